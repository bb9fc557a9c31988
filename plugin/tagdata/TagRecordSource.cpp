#include "tagdata/TagRecordSource.h"

#include "CmdUtils.h"
#include "IDocument.h"
#include "IVantelleDocPrefs.h"
#include "IVantelleFrameTagData.h"
#include "InterfacePtr.h"
#include "UIDList.h"
#include "VantelleCommandIDs.h"
#include "tagdata/TagRecordList.h"

namespace {

InterfacePtr<IVantelleDocPrefs> QueryDocPrefs(const UIDRef& document) {
  InterfacePtr<IDocument> doc(document);
  if (!doc) return InterfacePtr<IVantelleDocPrefs>();
  return InterfacePtr<IVantelleDocPrefs>(doc->GetWorkspaceRef());
}

// Hands the edited list to the set-data command for the item. Answers the command's error code,
// or failure when there is no command.
ErrorCode ProcessSetDataCommand(const UIDRef& item, OwnedMemBlock& list) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kVantelleFrameTagSetDataCmdBoss));
  InterfacePtr<IVantelleFrameTagData> commandData(command, IVantelleFrameTagData::kDefaultIID);
  if (!command || !commandData) return kFailure;
  commandData->SetKeyField1(PMString("Vantelle Module"));
  commandData->SetRecordList(list.release());
  command->SetItemList(UIDList(item));
  return CmdUtils::ProcessCommand(command);
}

// What a write to a page item's list came to: refused before any command, or handed to the
// set-data command, which applied it or not.
enum class ItemWrite { kRefused, kNotApplied, kApplied };

ItemWrite WriteItemRecord(const UIDRef& item, uint32 key, MemBlock data, uint32 length) {
  InterfacePtr<IVantelleFrameTagData> tagData(item);
  if (!tagData) return ItemWrite::kRefused;
  OwnedMemBlock list(tagData->CopyRecordList());
  // A list that is held but cannot be copied is a lack of memory, not an empty list: writing on
  // would lose its other records.
  if (!list.get() && tagData->GetRecordList()) return ItemWrite::kRefused;
  if (!PutTagRecord(list.ref(), key, data, length)) return ItemWrite::kRefused;
  return ProcessSetDataCommand(item, list) == kSuccess ? ItemWrite::kApplied
                                                       : ItemWrite::kNotApplied;
}

bool16 DataFits(MemBlock data, uint32 length) {
  return !data || length <= MemBlockSize(data);
}

bool16 WriteDocumentRecord(const UIDRef& document, uint32 key, MemBlock data, uint32 length) {
  InterfacePtr<IVantelleDocPrefs> prefs = QueryDocPrefs(document);
  if (!prefs) return kFalse;
  OwnedMemBlock list(prefs->GetTagData());
  const bool16 written = PutTagRecord(list.ref(), key, data, length);
  if (written) prefs->SetTagData(list.get());
  return written;
}

}  // namespace

bool16 ReadTagRecord(const UIDRef& target, int32 source, uint32 key, MemBlock* data,
                     uint32* length) {
  if (source != kTagRecordSourceDocument && source != kTagRecordSourceItem) return kFalse;
  if (data) *data = nullptr;
  if (length) *length = 0;

  OwnedMemBlock list;
  if (source == kTagRecordSourceItem) {
    InterfacePtr<IVantelleFrameTagData> tagData(target);
    if (!tagData) return kFalse;
    list.ref() = tagData->CopyRecordList();
  } else {
    InterfacePtr<IVantelleDocPrefs> prefs = QueryDocPrefs(target);
    if (!prefs) return kFalse;
    list.ref() = prefs->GetTagData();
  }
  return FindTagRecord(list.get(), key, data, length);
}

bool16 HasItemTagRecord(const UIDRef& item, uint32 key) {
  InterfacePtr<IVantelleFrameTagData> tagData(item);
  if (!tagData) return kFalse;
  // Most page items hold no list: a walk over all of them asks no more of those.
  const MemBlock list = tagData->GetRecordList();
  return list && FindTagRecord(list, key, nullptr, nullptr);
}

bool16 WriteTagRecord(const UIDRef& target, int32 source, uint32 key, MemBlock data,
                      uint32 length) {
  if (source != kTagRecordSourceDocument && source != kTagRecordSourceItem) return kFalse;
  const OwnedMemBlock given(data);
  // A length beyond the block would copy bytes that are not the caller's.
  if (!DataFits(data, length)) return kFalse;
  return source == kTagRecordSourceItem
             ? WriteItemRecord(target, key, data, length) != ItemWrite::kRefused
             : WriteDocumentRecord(target, key, data, length);
}

ErrorCode StoreItemTagRecord(const UIDRef& item, uint32 key, MemBlock data, uint32 length) {
  const OwnedMemBlock given(data);
  const bool applied =
      DataFits(data, length) && WriteItemRecord(item, key, data, length) == ItemWrite::kApplied;
  return applied ? kSuccess : kFailure;
}
