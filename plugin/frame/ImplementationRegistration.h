// The plug-in's registration table: one record per implementation, built by a static initialiser
// and pushed onto a process-wide list, so that the newest record is the head. The list is
// complete before the host calls into the plug-in; PlugIn::Register walks it from the head.
//
// In the source file of each implementation class, at namespace scope:
//
//   CREATE_PMINTERFACE(VantelleFrameTagData, kVantelleFrameTagDataImpl);
//   CREATE_PERSIST_PMINTERFACE(VantelleDocPrefs, kVantelleDocPrefsImpl);  // has ReadWrite
#pragma once

#include <cstdint>
#include <new>

#include "ImplementationFactory.h"

// The fields, in this order, are what the host's registration interface takes.
struct ImplementationRegistration {
  ImplementationRegistration(ImplementationID id, CreateImplementationProc createProc,
                             DestroyImplementationProc destroyProc, ImplementationSizeProc sizeProc,
                             ReadWriteImplementationProc readWriteProc);

  ImplementationID implementationID;
  CreateImplementationProc create;
  DestroyImplementationProc destroy;
  ImplementationSizeProc size;
  ReadWriteImplementationProc readWrite;  // null for implementations that are not stored
  uintptr_t reserved[2];
  const ImplementationRegistration* next;  // the record registered before this one

  // The newest record, or null before any.
  static const ImplementationRegistration* Head();
};

namespace ImplementationFunctions {

// Null when memory runs out; the host then goes without the object.
template <class Impl>
IPMUnknown* Create(IPMUnknown* boss) {
  return new (std::nothrow) Impl(boss);
}
// The virtual destructor with the delete flag set.
template <class Impl>
void Destroy(IPMUnknown* implementation) {
  delete implementation;
}
template <class Impl>
size_t Size() {
  return sizeof(Impl);
}
template <class Impl>
void ReadWrite(IPMUnknown* implementation, IPMStream* stream, ImplementationID implementationID) {
  static_cast<Impl*>(implementation)->ReadWrite(stream, implementationID);
}

}  // namespace ImplementationFunctions

#define CREATE_PMINTERFACE(Class, ImplID)                                                        \
  static ImplementationRegistration gRegistration_##Class(                                       \
      ImplID, &ImplementationFunctions::Create<Class>, &ImplementationFunctions::Destroy<Class>, \
      &ImplementationFunctions::Size<Class>, nullptr)

#define CREATE_PERSIST_PMINTERFACE(Class, ImplID)                                                \
  static ImplementationRegistration gRegistration_##Class(                                       \
      ImplID, &ImplementationFunctions::Create<Class>, &ImplementationFunctions::Destroy<Class>, \
      &ImplementationFunctions::Size<Class>, &ImplementationFunctions::ReadWrite<Class>)
