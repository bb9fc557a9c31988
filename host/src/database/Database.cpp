#include "Database.h"

#include <algorithm>
#include <new>

#include "ChangeScope.h"
#include "HostIDs.h"
#include "ISubject.h"
#include "PartState.h"
#include "app/Host.h"

Database::Database() = default;

Database::Database(ClassID rootClass) {
  Boss* boss = Boss::Create(rootClass, this, fNextUID);
  if (!boss) return;
  fRoot = static_cast<UID>(fNextUID++);
  Insert(fRoot, StoredObject(rootClass, boss));
}

Database::~Database() {
  ChangeScope::Forget(this);
  // A transaction left open must not hold every later change of the session in its scope.
  for (auto it = fTransactions.rbegin(); it != fTransactions.rend(); ++it)
    ChangeScope::Close(*it, ChangeScope::DefaultStepName());
  fHistory.Clear();
  fOpenStep = UndoStep();
  fDense.clear();
  // Oldest first, the order they were made in, which is that of their memory: what is given back
  // then joins what was given back before, and the allocator does not return memory to the system
  // piece by piece, as it does (at great cost for a large document) when the last made goes first.
  while (!fObjects.empty()) fObjects.erase(fObjects.begin());
  for (Boss* boss : fRetiring) boss->Release();
  if (fBroadcastSubject) fBroadcastSubject->Release();
}

Database* Database::Of(IDataBase* db) {
  return dynamic_cast<Database*>(db);
}

StoredObject* Database::Find(UID uid) {
  if (uid < fDense.size()) return fDense[uid].object;
  auto it = fObjects.find(uid);
  return it == fObjects.end() ? nullptr : &it->second;
}

// The dense index grows before the object goes in, so that a failure leaves both as they were.
bool Database::Insert(UID uid, StoredObject&& object) {
  if (fObjects.count(uid)) return false;
  if (uid >= fDense.size()) {
    // Grow by doubling, but never beyond twice the objects held: a file may name any UID.
    const size_t bound = 2 * fObjects.size() + 1024;
    if (uid < bound) {
      const size_t oldSize = fDense.size();
      fDense.resize(std::max<size_t>(uid + size_t{1}, std::min(2 * oldSize, bound)));
      for (auto it = fObjects.lower_bound(static_cast<UID>(oldSize));
           it != fObjects.end() && it->first < fDense.size(); ++it) {
        fDense[it->first] = {&it->second, it->second.GetBoss(), it->second.GetClass()};
      }
    }
  }
  StoredObject& stored = fObjects.emplace(uid, std::move(object)).first->second;
  if (uid < fDense.size()) fDense[uid] = {&stored, stored.GetBoss(), stored.GetClass()};
  return true;
}

IPMUnknown* Database::Instantiate(UID uid, PMIID interfaceID) {
  if (uid < fDense.size()) {
    Boss* boss = fDense[uid].boss;
    return boss ? boss->QueryInterface(interfaceID) : nullptr;
  }
  StoredObject* object = Find(uid);
  if (!object || !object->GetBoss()) return nullptr;
  return object->GetBoss()->QueryInterface(interfaceID);
}

ClassID Database::GetClass(UID uid) const {
  if (uid < fDense.size()) return fDense[uid].classID;
  auto it = fObjects.find(uid);
  return it == fObjects.end() ? kInvalidClass : it->second.GetClass();
}

bool16 Database::IsValidUID(UID uid) const {
  if (uid < fDense.size()) return fDense[uid].object ? kTrue : kFalse;
  return fObjects.count(uid) ? kTrue : kFalse;
}

UID Database::NewUID(ClassID classID) {
  if (fNextUID > UINT32_MAX) return kInvalidUID;
  const auto uid = static_cast<UID>(fNextUID);
  try {
    ChangeScope::Loose change;
    WillRecord();
    fCreated.insert(uid);
    Boss* boss = Boss::Create(classID, this, uid);
    if (!boss || !Insert(uid, StoredObject(classID, boss))) {
      fCreated.erase(uid);
      return kInvalidUID;
    }
    ++fNextUID;
    fOpenStep.records.emplace_back(UndoRecord::kCreated, uid);
    return uid;
  } catch (const std::bad_alloc&) {
    fCreated.erase(uid);
    Host::Get().CountRefusal();
    return kInvalidUID;
  }
}

void Database::DeleteUID(UID uid) {
  if (uid == fRoot || !Find(uid)) return;
  ChangeScope::Loose change;
  WillRecord();
  UndoRecord record(UndoRecord::kDeleted, uid);
  if (Apply(record)) fOpenStep.records.push_back(std::move(record));
}

void Database::BeginTransaction() {
  ReserveOneMore(fTransactions);
  fTransactions.push_back(ChangeScope::Open());
}

void Database::EndTransaction() {
  if (fTransactions.empty()) return;
  ChangeScope::Close(fTransactions.back(), ChangeScope::DefaultStepName());
  fTransactions.pop_back();
}

bool16 Database::IsModified() const {
  bool pending = fStepOpen && !fOpenStep.records.empty();
  return pending || !fHistory.AtSavedState() ? kTrue : kFalse;
}

void Database::PreDirty(const Boss* boss, const IPMUnknown* implementation) {
  UID uid = boss->GetUID();
  StoredObject* object = Find(uid);
  if (!object || object->GetBoss() != boss) return;  // an object that was deleted
  const auto& parts = boss->Parts();
  auto part = std::find_if(parts.begin(), parts.end(), [implementation](const Boss::Part& p) {
    return p.implementation == implementation;
  });
  if (part == parts.end() || !PartState::IsPersistent(*part)) return;
  auto index = static_cast<size_t>(part - parts.begin());
  if (fStepOpen && (fCreated.count(uid) || fChangedParts.count({uid, index}))) {
    return;
  }
  ChangeScope::Loose change;
  UndoRecord record(UndoRecord::kChanged, uid);
  record.part = index;
  record.bytes = PartState::Capture(*part);
  WillRecord();
  fChangedParts.insert({uid, index});
  fOpenStep.records.push_back(std::move(record));
}

bool Database::WillEdit(const Boss* boss, const IPMUnknown* implementation, size_t& part) {
  const UID uid = boss->GetUID();
  StoredObject* object = Find(uid);
  if (!object || object->GetBoss() != boss) return false;
  if (fStepOpen && fCreated.count(uid)) return false;
  const auto& parts = boss->Parts();
  auto found = std::find_if(parts.begin(), parts.end(), [implementation](const Boss::Part& p) {
    return p.implementation == implementation;
  });
  if (found == parts.end()) return false;
  part = static_cast<size_t>(found - parts.begin());
  WillRecord();
  return true;
}

void Database::KeepEdit(UID uid, size_t part, std::unique_ptr<PartEdit> edit) {
  UndoRecord record(UndoRecord::kEdited, uid);
  record.part = part;
  record.edit = std::move(edit);
  fOpenStep.records.push_back(std::move(record));
}

// Everything that may fail comes before the step opens: a step open in no scope would never end.
void Database::WillRecord() {
  if (!fStepOpen) fHistory.ReserveStep();
  ChangeScope::WillChange(this, fOpenStep.records.size());
  ReserveOneMore(fOpenStep.records);
  fStepOpen = true;
}

void Database::EndStep(const PMString& name, ChangeScope::Step kind) {
  if (!fStepOpen) return;
  fStepOpen = false;
  UndoStep step = std::move(fOpenStep);
  fOpenStep = UndoStep();
  fChangedParts.clear();
  fCreated.clear();
  if (kind != ChangeScope::Step::kLoose) DropUnchanged(step);
  if (!step.records.empty()) {
    try {
      step.name = name;
    } catch (const std::bad_alloc&) {
      Host::Get().CountRefusal();  // the step goes unnamed rather than lost
    }
    fHistory.ClearRedo();
    fHistory.Add(std::move(step), kind == ChangeScope::Step::kJoinPrevious);
  }
  SweepRetired();
}

void Database::DropUnchanged(UndoStep& step) {
  auto unchanged = [this](const UndoRecord& record) {
    if (record.kind != UndoRecord::kChanged) return false;
    StoredObject* object = Find(record.uid);
    if (!object || !object->GetBoss()) return false;
    try {
      return PartState::Capture(object->GetBoss()->Parts()[record.part]) == record.bytes;
    } catch (const std::bad_alloc&) {
      return false;
    }
  };
  auto& records = step.records;
  records.erase(std::remove_if(records.begin(), records.end(), unchanged), records.end());
}

void Database::RollBackTo(size_t mark) {
  if (!fStepOpen) return;
  auto& records = fOpenStep.records;
  while (records.size() > mark) {
    UndoRecord& record = records.back();
    if (!Apply(record)) break;
    if (record.kind == UndoRecord::kChanged) fChangedParts.erase({record.uid, record.part});
    if (record.kind == UndoRecord::kCreated) fCreated.erase(record.uid);
    records.pop_back();
  }
  SweepRetired();
}

bool Database::Apply(UndoRecord& record) {
  const uint64 refusals = Host::Get().Refusals();
  bool applied = false;
  try {
    applied = ApplyOne(record);
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
    return false;
  }
  // A part that read its state back without all of it (a block it could not allocate) is put back
  // as it was.
  if (applied && Host::Get().Refusals() != refusals) {
    try {
      ApplyOne(record);
    } catch (const std::bad_alloc&) {
      Host::Get().CountRefusal();
    }
    return false;
  }
  return applied;
}

bool Database::ApplyOne(UndoRecord& record) {
  switch (record.kind) {
    case UndoRecord::kChanged:
      return ApplyChanged(record);
    case UndoRecord::kEdited: {
      StoredObject* object = Find(record.uid);
      if (!object || !object->GetBoss()) return false;
      record.edit->Apply(object->GetBoss()->Parts()[record.part].implementation);
      return true;
    }
    default:
      return ApplyPresence(record);
  }
}

bool Database::ApplyChanged(UndoRecord& record) {
  StoredObject* object = Find(record.uid);
  if (!object || !object->GetBoss()) return true;  // nothing left to put it back into
  Boss* boss = object->GetBoss();
  ReserveOneMore(fRetiring);
  std::vector<uint8> now = PartState::Capture(boss->Parts()[record.part]);
  if (!PartState::Restore(boss, record.part, record.bytes)) return false;
  record.bytes.swap(now);
  if (std::find(fRetiring.begin(), fRetiring.end(), boss) == fRetiring.end()) {
    boss->AddRef();
    fRetiring.push_back(boss);
  }
  return true;
}

bool Database::ApplyPresence(UndoRecord& record) {
  if (record.holdsObject) {
    if (!Insert(record.uid, std::move(record.object))) return false;
    record.object = StoredObject();
  } else {
    auto it = fObjects.find(record.uid);
    if (it == fObjects.end()) return false;
    record.object = std::move(it->second);
    if (record.uid < fDense.size()) fDense[record.uid] = DenseSlot();
    fObjects.erase(it);
  }
  record.holdsObject = !record.holdsObject;
  return true;
}

bool Database::ApplyAll(std::vector<UndoRecord>& records, bool backwards) {
  const size_t count = records.size();
  auto at = [&](size_t i) -> UndoRecord& { return records[backwards ? count - 1 - i : i]; };
  for (size_t done = 0; done < count; ++done) {
    if (Apply(at(done))) continue;
    while (done-- > 0) Apply(at(done));
    return false;
  }
  return true;
}

void Database::SweepRetired() {
  auto done = std::remove_if(fRetiring.begin(), fRetiring.end(), [this](Boss* boss) {
    // Our own reference, and the database's while the object is in it, are the expected ones.
    StoredObject* object = Find(boss->GetUID());
    int32 expected = 1 + (object && object->GetBoss() == boss ? 1 : 0);
    if (boss->RefCount() != expected) return false;
    boss->DropRetired();
    boss->Release();
    return true;
  });
  fRetiring.erase(done, fRetiring.end());
}

bool16 Database::CanUndo() const {
  return !fStepOpen && fHistory.CanUndo() ? kTrue : kFalse;
}
bool16 Database::CanRedo() const {
  return !fStepOpen && fHistory.CanRedo() ? kTrue : kFalse;
}
PMString Database::GetUndoName() const {
  return fHistory.UndoName();
}
PMString Database::GetRedoName() const {
  return fHistory.RedoName();
}

bool16 Database::Undo() {
  if (!CanUndo() || ChangeScope::IsOpen()) return kFalse;
  try {
    fHistory.ReserveUndone();
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
    return kFalse;
  }
  if (!ApplyAll(fHistory.TopUndo()->records, true)) return kFalse;
  fHistory.MoveUndone();
  SweepRetired();
  return kTrue;
}

bool16 Database::Redo() {
  if (!CanRedo() || ChangeScope::IsOpen()) return kFalse;
  try {
    fHistory.ReserveRedone();
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
    return kFalse;
  }
  if (!ApplyAll(fHistory.TopRedo()->records, false)) return kFalse;
  fHistory.MoveRedone();
  SweepRetired();
  return kTrue;
}

bool Database::RevertTo(size_t steps) {
  while (fHistory.UndoCount() > steps) {
    if (!Undo()) return false;
    fHistory.DropRedo();
  }
  while (fHistory.UndoCount() < steps) {
    if (!Redo()) return false;
  }
  return true;
}

void Database::ClearHistory() {
  fHistory.Clear();
  SweepRetired();
}

void Database::MarkSaved() {
  fHistory.MarkSaved();
}

bool Database::AdoptObject(UID uid, StoredObject object) {
  if (uid == kInvalidUID) return false;
  if (!Insert(uid, std::move(object))) return false;
  if (uid >= fNextUID) fNextUID = static_cast<uint64>(uid) + 1;
  return true;
}

ISubject* Database::QueryBroadcastSubject() {
  if (!fBroadcastSubject) fBroadcastSubject = Boss::Create(kDocumentSubjectBoss);
  if (!fBroadcastSubject) return nullptr;
  return static_cast<ISubject*>(fBroadcastSubject->QueryInterface(ISubject::kDefaultIID));
}
