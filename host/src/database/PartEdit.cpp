#include "PartEdit.h"

#include "ChangeScope.h"
#include "Database.h"

void ApplyEdit(const IPMUnknown* boss, IPMUnknown* implementation, std::unique_ptr<PartEdit> edit) {
  Boss* owner = Boss::Of(boss);
  Database* db = owner ? Database::Of(owner->GetDataBase()) : nullptr;
  if (!db) return edit->Apply(implementation);
  ChangeScope::Loose scope;
  size_t part = 0;
  const bool recorded = db->WillEdit(owner, implementation, part);
  edit->Apply(implementation);
  if (recorded) db->KeepEdit(owner->GetUID(), part, std::move(edit));
}
