#include "tagdata/DataFrameVocabulary.h"

#include "IDataBase.h"
#include "IDocument.h"
#include "ISwatchUtils.h"
#include "InterfacePtr.h"
#include "UtilsBoss.h"

namespace {

constexpr const char* kUnknownDisplayName = "Unknown";

// Indexed by the enumeration's value.
constexpr const char* kTypeDisplayNames[kDataFrameTypeCount] = {
    "Vantelle Labels",       "Ormandy Entries", "Ormandy Mfg Entries",
    "Auxiliary Search Keys", "Pellow",          "Shared Pellow"};
constexpr const char* kScopeDisplayNames[kDataFrameScopeCount] = {"Frame", "Page", "Spread",
                                                                  "Document", "Global"};

template <int N>
const char* DisplayName(const char* const (&names)[N], int16 value) {
  return value >= 0 && value < N ? names[value] : kUnknownDisplayName;
}

}  // namespace

void DataFrameTypeDisplayName(DataFrameType type, PMString& name) {
  name.SetCString(DisplayName(kTypeDisplayNames, type));
}

void DataFrameScopeDisplayName(DataFrameScope scope, PMString& name) {
  name.SetCString(DisplayName(kScopeDisplayNames, scope));
}

namespace {

constexpr DataFrameTypeSwatch kTypeSwatches[kDataFrameTypeCount] = {
    {"QRV Vantelle Labels", 1.0, 0, 0, 0, 20},
    {"QRV Ormandy Entry", 0.3, 1.0, 0, 0, 20},
    {"QRV Ormandy Mfg Entry", 0.2, 0.92, 0, 0, 60},
    {"QRV Auxiliary Search Keys", 0.75, 0.05, 1.0, 0, 20},
    {"QRV Pellow", 0, 0.12, 1.0, 0, 20},
    {"QRV Shared Pellow", 0, 0.42, 1.0, 0, 60},
};

}  // namespace

const DataFrameTypeSwatch* FindDataFrameTypeSwatch(DataFrameType type) {
  return type >= 0 && type < kDataFrameTypeCount ? &kTypeSwatches[type] : nullptr;
}

UID FindOrCreateTypeSwatch(IDataBase* db, DataFrameType type, PMReal* tint) {
  if (!db) return kInvalidUID;
  InterfacePtr<IDocument> document(db, db->GetRootUID(), IID_IDOCUMENT);
  InterfacePtr<IPMUnknown> workspace(document ? document->GetWorkspaceRef() : UIDRef(),
                                     IID_IPERSISTENTITEM);
  const DataFrameTypeSwatch* swatch = FindDataFrameTypeSwatch(type);
  InterfacePtr<ISwatchUtils> swatches(
      static_cast<ISwatchUtils*>(UtilsBoss::QueryUtils(ISwatchUtils::kDefaultIID)));
  if (!swatch || !swatches) return kInvalidUID;

  PMString name(swatch->name);
  name.SetTranslatable(kFalse);
  UID uid = swatches->FindSwatch(name, db);
  if (uid == kInvalidUID) {
    uid = swatches->CreateProcessCMYKSwatch(workspace, name, swatch->cyan, swatch->magenta,
                                            swatch->yellow, swatch->black, 0);
  }
  if (tint) *tint = swatch->fillTint;
  return uid;
}
