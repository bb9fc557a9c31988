#include "Database.h"

#include <algorithm>

#include "ChangeScope.h"
#include "HostIDs.h"
#include "ISubject.h"
#include "PartState.h"

// Brackets one change made while no scope is open, so that it becomes a step of its own.
class Database::LooseChange {
 public:
  LooseChange() : fOwns(!ChangeScope::IsOpen()) {
    if (fOwns) ChangeScope::Open();
  }
  ~LooseChange() {
    if (fOwns) ChangeScope::Close(ChangeScope::DefaultStepName());
  }
  LooseChange(const LooseChange&) = delete;
  LooseChange& operator=(const LooseChange&) = delete;

 private:
  bool fOwns;
};

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
  if (fTransactionOwnsScope) ChangeScope::Close(ChangeScope::DefaultStepName());
  fHistory.Clear();
  fOpenStep = UndoStep();
  fDense.clear();
  fObjects.clear();
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

bool Database::Insert(UID uid, StoredObject object) {
  auto inserted = fObjects.emplace(uid, std::move(object));
  if (!inserted.second) return false;
  if (uid >= fDense.size()) {
    // Grow by doubling, but never beyond twice the objects held: a file may name any UID.
    const size_t bound = 2 * fObjects.size() + 1024;
    if (uid >= bound) return true;
    const size_t oldSize = fDense.size();
    fDense.resize(std::max<size_t>(uid + size_t{1}, std::min(2 * oldSize, bound)));
    for (auto it = fObjects.lower_bound(static_cast<UID>(oldSize));
         it != fObjects.end() && it->first < fDense.size(); ++it) {
      fDense[it->first] = {&it->second, it->second.GetBoss(), it->second.GetClass()};
    }
    return true;
  }
  const StoredObject& stored = inserted.first->second;
  fDense[uid] = {&inserted.first->second, stored.GetBoss(), stored.GetClass()};
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
  auto uid = static_cast<UID>(fNextUID);
  Boss* boss = Boss::Create(classID, this, uid);
  if (!boss) return kInvalidUID;
  ++fNextUID;
  LooseChange change;
  WillRecord();
  Insert(uid, StoredObject(classID, boss));
  UndoRecord record(UndoRecord::kCreated, uid);
  fOpenStep.records.push_back(std::move(record));
  fOpenStep.created.insert(uid);
  return uid;
}

void Database::DeleteUID(UID uid) {
  if (uid == fRoot || !Find(uid)) return;
  LooseChange change;
  WillRecord();
  UndoRecord record(UndoRecord::kDeleted, uid);
  Apply(record);
  fOpenStep.records.push_back(std::move(record));
}

void Database::BeginTransaction() {
  if (fTransactionDepth++ == 0 && !ChangeScope::IsOpen()) {
    ChangeScope::Open();
    fTransactionOwnsScope = true;
  }
}

void Database::EndTransaction() {
  if (fTransactionDepth == 0 || --fTransactionDepth > 0) return;
  if (fTransactionOwnsScope) {
    fTransactionOwnsScope = false;
    ChangeScope::Close(ChangeScope::DefaultStepName());
  }
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
  if (fStepOpen && (fOpenStep.created.count(uid) || fOpenStep.changedParts.count({uid, index}))) {
    return;
  }
  LooseChange change;
  WillRecord();
  UndoRecord record(UndoRecord::kChanged, uid);
  record.part = index;
  record.bytes = PartState::Capture(*part);
  fOpenStep.records.push_back(std::move(record));
  fOpenStep.changedParts.insert({uid, index});
}

void Database::WillRecord() {
  if (!fStepOpen) {
    fStepOpen = true;
    fOpenStep = UndoStep();
    fHistory.ClearRedo();
  }
  ChangeScope::WillChange(this, fOpenStep.records.size());
}

void Database::EndStep(const PMString& name, bool foldIntoPrevious) {
  if (!fStepOpen) return;
  fStepOpen = false;
  UndoStep step = std::move(fOpenStep);
  fOpenStep = UndoStep();
  if (step.records.empty()) return;
  step.name = name;
  step.changedParts.clear();
  step.created.clear();
  fHistory.Add(std::move(step), foldIntoPrevious);
  SweepRetired();
}

void Database::RollBackTo(size_t mark) {
  if (!fStepOpen) return;
  auto& records = fOpenStep.records;
  while (records.size() > mark) {
    UndoRecord& record = records.back();
    Apply(record);
    if (record.kind == UndoRecord::kChanged)
      fOpenStep.changedParts.erase({record.uid, record.part});
    if (record.kind == UndoRecord::kCreated) fOpenStep.created.erase(record.uid);
    records.pop_back();
  }
  SweepRetired();
}

void Database::Apply(UndoRecord& record) {
  if (record.kind == UndoRecord::kChanged) {
    StoredObject* object = Find(record.uid);
    if (!object || !object->GetBoss()) return;
    Boss* boss = object->GetBoss();
    std::vector<uint8> now = PartState::Capture(boss->Parts()[record.part]);
    if (!PartState::Restore(boss, record.part, record.bytes)) return;
    record.bytes = std::move(now);
    if (std::find(fRetiring.begin(), fRetiring.end(), boss) == fRetiring.end()) {
      boss->AddRef();
      fRetiring.push_back(boss);
    }
    return;
  }
  if (record.holdsObject) {
    Insert(record.uid, std::move(record.object));
    record.object = StoredObject();
  } else {
    auto it = fObjects.find(record.uid);
    if (it == fObjects.end()) return;
    record.object = std::move(it->second);
    if (record.uid < fDense.size()) fDense[record.uid] = DenseSlot();
    fObjects.erase(it);
  }
  record.holdsObject = !record.holdsObject;
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
  UndoStep step = fHistory.TakeUndo();
  for (auto it = step.records.rbegin(); it != step.records.rend(); ++it) Apply(*it);
  fHistory.PushRedo(std::move(step));
  SweepRetired();
  return kTrue;
}

bool16 Database::Redo() {
  if (!CanRedo() || ChangeScope::IsOpen()) return kFalse;
  UndoStep step = fHistory.TakeRedo();
  for (UndoRecord& record : step.records) Apply(record);
  fHistory.PushUndo(std::move(step));
  SweepRetired();
  return kTrue;
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
