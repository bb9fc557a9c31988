#include "Boss.h"

#include <new>

#include "app/Host.h"

Boss* Boss::Create(ClassID classID, IDataBase* db, UID uid) {
  ObjectModel& model = Host::Get().Model();
  if (!model.IsClassDefined(classID)) return nullptr;
  // A boss is made whole or not at all: a part that cannot be had for want of memory takes the
  // boss away with the parts made before it.
  Boss* boss = nullptr;
  try {
    const std::vector<InterfaceBinding> bindings = model.ResolveClass(classID);
    boss = new Boss(classID, db, uid);
    boss->fParts.reserve(bindings.size());
    for (const InterfaceBinding& b : bindings) {
      const ImplementationFactory* factory = model.FindImplementation(b.implementation);
      if (!factory || !factory->create) continue;
      IPMUnknown* impl = factory->create(boss);
      if (!impl) throw std::bad_alloc();
      boss->fParts.push_back({b.interfaceID, factory, impl});
    }
    return boss;
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
    if (boss) boss->Release();
    return nullptr;
  }
}

Boss* Boss::Of(const IPMUnknown* object) {
  if (!object) return nullptr;
  IPMUnknown* boss = object->QueryInterface(kBossIID);
  if (!boss) return nullptr;
  boss->Release();  // the boss outlives the caller's own reference to the object
  return static_cast<Boss*>(boss);
}

IPMUnknown* Boss::QueryInterface(PMIID interfaceID) const {
  if (interfaceID == kBossIID) {
    AddRef();
    return const_cast<Boss*>(this);
  }
  for (const Part& p : fParts) {
    if (p.interfaceID == interfaceID) {
      AddRef();
      return p.implementation;
    }
  }
  return nullptr;
}

void Boss::Release() const {
  if (--fRefCount == 0) delete this;
}

void Boss::ReplaceImplementation(size_t part, IPMUnknown* implementation) {
  fRetired.push_back(fParts[part]);
  fParts[part].implementation = implementation;
}

void Boss::DropRetired() {
  for (auto it = fRetired.rbegin(); it != fRetired.rend(); ++it)
    it->factory->destroy(it->implementation);
  fRetired.clear();
}

Boss::~Boss() {
  DropRetired();
  // Implementations go in the reverse order of their creation.
  for (auto it = fParts.rbegin(); it != fParts.rend(); ++it)
    it->factory->destroy(it->implementation);
}
