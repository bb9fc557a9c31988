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
    std::shared_ptr<const ClassLayout> layout = model.LayoutOf(classID);
    if (!layout) throw std::bad_alloc();
    const size_t count = layout->Parts().size();
    static_assert(alignof(Part) <= alignof(Boss), "the parts follow the boss in its block");
    void* memory = ::operator new(sizeof(Boss) + count * sizeof(Part));
    boss = new (memory) Boss(classID, db, uid, layout);
    boss->fParts = reinterpret_cast<Part*>(boss + 1);
    for (const ClassLayout::PartKind& kind : layout->Parts()) {
      IPMUnknown* impl = kind.factory->create(boss);
      if (!impl) throw std::bad_alloc();
      boss->fParts[boss->fPartCount++] = {kind.interfaceID, kind.factory, impl};
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
  const int32 part = fLayout->PartOf(interfaceID);
  if (part < 0) return nullptr;
  AddRef();
  return fParts[static_cast<size_t>(part)].implementation;
}

void Boss::Release() const {
  if (--fRefCount != 0) return;
  Boss* boss = const_cast<Boss*>(this);
  boss->~Boss();
  ::operator delete(boss);
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
  for (size_t i = fPartCount; i-- > 0;) fParts[i].factory->destroy(fParts[i].implementation);
}
