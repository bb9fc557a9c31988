#include "scripting/VantelleFrameSlugScriptProvider.h"

#include "CmdUtils.h"
#include "IDataBase.h"
#include "IDocument.h"
#include "IScriptRequestData.h"
#include "IVantelleFrameTagData.h"
#include "InterfacePtr.h"
#include "ScriptData.h"
#include "VantelleCommandIDs.h"
#include "dataframe/memory/MemBlocks.h"
#include "display/DataFrameAdornments.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"
#include "scripting/TagDataHex.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagRecordList.h"

namespace {

ErrorCode ReadTagData(IVantelleFrameTagData* tagData, IScriptRequestData* data, IScript* object) {
  const auto* list = static_cast<const uint8*>(tagData->GetRecordList());
  const uint32 size = list ? tagData->GetRecordListSize() : 0;
  ScriptData value;
  value.SetPMString(EncodeTagDataHex(list, size));
  data->AppendReturnData(object, kVantelleTagDataScriptID, value);
  return kSuccess;
}

ErrorCode WriteTagData(const UIDRef& item, IVantelleFrameTagData* tagData,
                       IScriptRequestData* data) {
  ScriptData value;
  const ErrorCode extracted = data->ExtractRequestData(kVantelleTagDataScriptID, value);
  if (extracted != kSuccess) return extracted;
  PMString text;
  value.GetPMString(text);
  const std::string platform = text.GetPlatformString();

  MemBlock block = NewMemBlockAlt(static_cast<uint32>(platform.size() / 2));
  if (!block) return kFailure;
  uint32 count = 0;
  if (DecodeTagDataHex(platform, static_cast<uint8*>(block), &count) != HexDecoding::kDecoded) {
    FreeMemBlock(block);
    return kFailure;
  }
  if (count > 0) {
    ResizeMemBlock(block, count);
  } else {
    // Text without digits stands for no tag data at all, as a new page item has.
    FreeMemBlock(block);
    block = nullptr;
  }
  tagData->SetRecordList(block);

  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kVantelleFrameTagSetDataCmdBoss));
  InterfacePtr<IVantelleFrameTagData> commandData(command, IVantelleFrameTagData::kDefaultIID);
  if (!command || !commandData) return kSuccess;
  commandData->SetKeyField1(PMString("Vantelle Module"));
  MemBlock copy = tagData->CopyRecordList();
  // Without its copy the command would clear the list that the item now holds.
  if (block && !copy) return kFailure;
  commandData->SetRecordList(copy);
  command->SetItemList(UIDList(item));
  const ErrorCode result = CmdUtils::ProcessCommand(command);

  if (FindTagRecord(commandData->GetRecordList(), kDataFrameMarkerKey, nullptr, nullptr)) {
    AttachDataFrameAdornments(item);
  }
  return result;
}

}  // namespace

ErrorCode VantelleFrameSlugScriptProvider::HandleMethod(ScriptID method, IScriptRequestData* data,
                                                        IScript* object) {
  return CScriptProvider::HandleMethod(method, data, object);
}

ErrorCode VantelleFrameSlugScriptProvider::AccessProperty(ScriptID property,
                                                          IScriptRequestData* data,
                                                          IScript* object) {
  if (property != kVantelleTagDataScriptID) {
    return CScriptProvider::AccessProperty(property, data, object);
  }
  if (!object) return kFailure;
  const UIDRef item = GetUIDRef(object);
  IDataBase* db = item.GetDataBase();
  InterfacePtr<IDocument> document(db, db ? db->GetRootUID() : kInvalidUID, IID_IDOCUMENT);
  InterfacePtr<IVantelleFrameTagData> tagData(item);
  if (!document || !tagData) return kFailure;
  if (data->IsPropertyPut()) return WriteTagData(item, tagData, data);
  if (data->IsPropertyGet()) return ReadTagData(tagData, data, object);
  return kFailure;
}

CREATE_PMINTERFACE(VantelleFrameSlugScriptProvider, kVantelleFrameSlugScriptProviderImpl);
