// The base of a host object that belongs to no class: it counts its own references, answers its
// one interface and deletes itself at the last release. Fonts and font instances are such objects.
#pragma once

#include "IPMUnknown.h"

template <class Interface>
class CountedObject : public Interface {
 public:
  IPMUnknown* QueryInterface(PMIID interfaceID) const override {
    if (interfaceID != Interface::kDefaultIID) return nullptr;
    AddRef();
    return const_cast<CountedObject*>(this);
  }
  void AddRef() const override { ++fRefCount; }
  void Release() const override {
    if (--fRefCount == 0) delete this;
  }

 private:
  mutable int32 fRefCount = 1;
};
