#include "DocumentSwatches.h"

#include "IDataBase.h"
#include "IDocument.h"

namespace DocumentSwatches {

InterfacePtr<ISwatchList> QuerySwatchList(IDataBase* db) {
  if (!db) return InterfacePtr<ISwatchList>();
  InterfacePtr<IDocument> document(db, db->GetRootUID(), IID_IDOCUMENT);
  if (!document) return InterfacePtr<ISwatchList>();
  return InterfacePtr<ISwatchList>(document->GetWorkspaceRef(), IID_ISWATCHLIST);
}

UID Find(IDataBase* db, const PMString& name) {
  InterfacePtr<ISwatchList> list = QuerySwatchList(db);
  if (!list) return kInvalidUID;
  for (int32 i = 0; i < list->GetSwatchCount(); ++i) {
    const UID uid = list->GetNthSwatchUID(i);
    InterfacePtr<ISwatch> swatch(db, uid, IID_ISWATCH);
    if (swatch && swatch->GetName() == name) return uid;
  }
  return kInvalidUID;
}

bool IsValidProcessColor(const ProcessColor& color) {
  for (PMReal fraction : {color.cyan, color.magenta, color.yellow, color.black}) {
    if (!(fraction >= 0.0 && fraction <= 1.0)) return false;  // also refuses NaN
  }
  return true;
}

bool AddDefaults(IDataBase* db) {
  InterfacePtr<ISwatchList> list = QuerySwatchList(db);
  if (!list) return false;
  struct Default {
    const char* name;
    bool16 isProcessColor;
    ProcessColor color;
  };
  const Default defaults[] = {{"None", kFalse, {}},
                              {"Paper", kTrue, {0, 0, 0, 0}},
                              {"Black", kTrue, {0, 0, 0, 1}},
                              {"Registration", kFalse, {}}};
  for (const Default& d : defaults) {
    const UID uid = db->NewUID(kSwatchBoss);
    InterfacePtr<ISwatch> swatch(db, uid, IID_ISWATCH);
    if (!swatch) return false;
    swatch->Set(PMString(d.name), d.isProcessColor, d.color);
    list->AddSwatch(uid);
  }
  return true;
}

}  // namespace DocumentSwatches
