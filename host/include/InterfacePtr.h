// A smart pointer that holds one reference to an interface and releases it when it goes.
#pragma once

#include <utility>

#include "IPMUnknown.h"
#include "UIDRef.h"

// Instantiates an interface of a UID of a database with one reference added, or null.
HOST_API IPMUnknown* InstantiateInterface(IDataBase* db, UID uid, PMIID interfaceID);

template <class T>
class InterfacePtr {
 public:
  InterfacePtr() = default;
  // Adopts a reference that the caller already holds (a Query... result).
  explicit InterfacePtr(T* adopted) : fPtr(adopted) {}
  // Queries another interface of the same object.
  InterfacePtr(const IPMUnknown* from, PMIID interfaceID)
      : fPtr(from ? static_cast<T*>(from->QueryInterface(interfaceID)) : nullptr) {}
  template <class U, class = decltype(U::kDefaultIID)>
  explicit InterfacePtr(const U* from)
      : InterfacePtr(static_cast<const IPMUnknown*>(from), T::kDefaultIID) {}
  // Instantiates an interface of an object of a document.
  InterfacePtr(IDataBase* db, UID uid, PMIID interfaceID = T::kDefaultIID)
      : fPtr(static_cast<T*>(InstantiateInterface(db, uid, interfaceID))) {}
  explicit InterfacePtr(const UIDRef& ref, PMIID interfaceID = T::kDefaultIID)
      : InterfacePtr(ref.GetDataBase(), ref.GetUID(), interfaceID) {}

  InterfacePtr(const InterfacePtr& o) : fPtr(o.fPtr) {
    if (fPtr) fPtr->AddRef();
  }
  InterfacePtr(InterfacePtr&& o) noexcept : fPtr(std::exchange(o.fPtr, nullptr)) {}
  InterfacePtr& operator=(InterfacePtr o) noexcept {
    std::swap(fPtr, o.fPtr);
    return *this;
  }
  ~InterfacePtr() {
    if (fPtr) fPtr->Release();
  }

  T* operator->() const { return fPtr; }
  T& operator*() const { return *fPtr; }
  operator T*() const { return fPtr; }  // NOLINT: used where the host's calls take raw pointers
  T* get() const { return fPtr; }
  // Gives the reference up to the caller.
  T* forget() { return std::exchange(fPtr, nullptr); }
  void reset(T* adopted = nullptr) {
    if (fPtr) fPtr->Release();
    fPtr = adopted;
  }

 private:
  T* fPtr = nullptr;
};
