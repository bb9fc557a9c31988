// The host's database: the objects of one document (or of the session's workspace), each a boss
// under a UID, with the undo history of their persistent state.
//
// Undo works on snapshots. Before an implementation's first change in a step its owner calls
// PreDirty, which records the implementation's bytes as its own ReadWrite writes them; creating
// and deleting objects are recorded the same way. Undo puts the recorded state back into fresh
// implementations (an implementation's ReadWrite may rely on reading into a fresh object), so an
// interface pointer held across undo or redo sees the old object: query it again afterwards.
// Parts that grow with the document record each change as a PartEdit instead, which undo applies
// to the implementation in place.
//
// Every change is recorded before it is made, and recording never fails halfway: when memory runs
// out, the change is refused (an exception, or an answer that says so) and nothing is recorded. A
// step whose snapshots all read back unchanged at its end is no step.
//
// Steps: see ChangeScope. A change made while no command, sequence or transaction is open is
// recorded as a step of its own, named ChangeScope::DefaultStepName().
#pragma once

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "ChangeScope.h"
#include "IDataBase.h"
#include "PMString.h"
#include "UndoHistory.h"

class ISubject;

class HOST_API Database final : public IDataBase {
 public:
  // An empty database without a root (a document file being read fills it).
  Database();
  // A database whose root is a new object of the class (kInvalidUID as root when the class is
  // not defined). Creating the root is no undoable change.
  explicit Database(ClassID rootClass);
  ~Database() override;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // The database behind a database pointer, or null for any other kind.
  static Database* Of(IDataBase* db);

  IPMUnknown* Instantiate(UID uid, PMIID interfaceID) override;
  UID GetRootUID() const override { return fRoot; }
  ClassID GetClass(UID uid) const override;
  bool16 IsValidUID(UID uid) const override;
  UID NewUID(ClassID classID) override;
  void DeleteUID(UID uid) override;
  void BeginTransaction() override;
  void EndTransaction() override;
  bool16 IsModified() const override;

  // Records the implementation's state before its first change in the current step. Throws when
  // memory runs out; the change must then not be made.
  void PreDirty(const Boss* boss, const IPMUnknown* implementation);
  // Used by ApplyEdit: readies the open step for an edit of the part (false when the object needs
  // none; throws when memory runs out), then keeps the edit, which cannot fail.
  bool WillEdit(const Boss* boss, const IPMUnknown* implementation, size_t& part);
  void KeepEdit(UID uid, size_t part, std::unique_ptr<PartEdit> edit);

  // Undo and redo answer false, changing nothing, when there is no step, a step is still open, or
  // a record of the step cannot be applied (memory ran out): the step stays where it was.
  bool16 CanUndo() const;
  bool16 CanRedo() const;
  // The name of the step undo or redo would take back (a string key, translated when shown).
  PMString GetUndoName() const;
  PMString GetRedoName() const;
  bool16 Undo();
  bool16 Redo();
  // How many steps undo can take back.
  size_t UndoCount() const { return fHistory.UndoCount(); }
  // Brings the history back to that many steps, so that what failed as a whole is taken back
  // whole: undoes the steps above the count and forgets them, redo included, or redoes the steps
  // undone since. False when a step cannot be undone or redone; it then stays.
  bool RevertTo(size_t steps);
  // Forgets every step: the present state becomes the unmodified one (after building a new
  // document, after opening one).
  void ClearHistory();
  // The present state is the saved one.
  void MarkSaved();

  // The subject on which the document-wide broadcasts of this database are heard, with a
  // reference added; made on first use.
  ISubject* QueryBroadcastSubject();

  // What document files are made of and read into.
  const std::map<UID, StoredObject>& Objects() const { return fObjects; }
  // Adds a read object; false when the UID is invalid or taken.
  bool AdoptObject(UID uid, StoredObject object);
  void SetRootUID(UID root) { fRoot = root; }

  // Used by ChangeScope: ends the open step (dropping it when nothing changed; a loose change is
  // kept, as it is recorded before it is made), or undoes its records after the first `mark` (a
  // record that cannot be undone stays in the step). Neither throws.
  void EndStep(const PMString& name, ChangeScope::Step kind);
  void RollBackTo(size_t mark);

 private:
  // Opens the step and tells the scopes about the change to come; makes room for its record.
  void WillRecord();
  // Swaps the database's state with the record's; false, changing nothing, when it cannot.
  bool Apply(UndoRecord& record);
  // Apply without the checks: throws when memory runs out.
  bool ApplyOne(UndoRecord& record);
  bool ApplyChanged(UndoRecord& record);
  bool ApplyPresence(UndoRecord& record);
  // Applies every record, last first when backwards; when one fails, those done are applied
  // again, so that the database is as it was, and the answer is false.
  bool ApplyAll(std::vector<UndoRecord>& records, bool backwards);
  // Takes out of a finished step the snapshots of parts that read back as they were.
  void DropUnchanged(UndoStep& step);
  // Destroys implementations that undo retired once no outside reference to their boss remains.
  void SweepRetired();
  StoredObject* Find(UID uid);
  // Adds to the objects and the dense index; false when the UID is taken.
  bool Insert(UID uid, StoredObject&& object);

  // The objects in UID order, as files hold them.
  std::map<UID, StoredObject> fObjects;
  // Finds an object, its boss and its class in one step for the UIDs below its size (map nodes
  // never move); a walk of the document touches every object, and UIDs are handed out one after the
  // other. Larger UIDs, which only a file can bring, are looked up in fObjects.
  struct DenseSlot {
    StoredObject* object = nullptr;
    Boss* boss = nullptr;  // the object's, which it keeps for its life
    ClassID classID = kInvalidClass;
  };
  std::vector<DenseSlot> fDense;
  UID fRoot = kInvalidUID;
  uint64 fNextUID = 1;
  // The scopes of the transactions begun and not yet ended, innermost last.
  std::vector<uint64> fTransactions;
  bool fStepOpen = false;
  UndoStep fOpenStep;
  // Parts whose state before the open step is recorded already, and objects the step created:
  // neither needs a further record in it.
  std::set<std::pair<UID, size_t>> fChangedParts;
  std::set<UID> fCreated;
  UndoHistory fHistory;
  // Bosses that hold retired implementations, each with one reference of ours.
  std::vector<Boss*> fRetiring;
  IPMUnknown* fBroadcastSubject = nullptr;
};
