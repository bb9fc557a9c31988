#include "tagdata/VantelleFrameTagSetDataCmd.h"

#include <new>

#include "DocumentIDs.h"
#include "ErrorUtils.h"
#include "IBroadcastUtils.h"
#include "ISubject.h"
#include "IVantelleFrameTagData.h"
#include "InterfacePtr.h"
#include "UtilsBoss.h"
#include "VantelleCommandIDs.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"

void VantelleFrameTagSetDataCmd::Do() {
  const UIDList& items = *GetItemList();
  if (items.IsEmpty()) {
    ErrorUtils::PMSetGlobalErrorCode(kFailure);
    return;
  }
  InterfacePtr<IVantelleFrameTagData> data(this, IVantelleFrameTagData::kDefaultIID);
  if (!data) {
    ErrorUtils::PMSetGlobalErrorCode(kFailure);
    return;
  }
  for (int32 i = 0; i < items.Length(); ++i) {
    InterfacePtr<IVantelleFrameTagData> itemData(items.GetRef(i));
    if (!itemData) continue;
    // Each item gets its own copy; the command's list stays with the command.
    itemData->SetAll(data->GetKeyField1(), data->GetKeyField2(), data->GetKeyField3(),
                     data->GetKeyField4(), data->GetTagNumber(), data->CopyRecordList());
  }
}

void VantelleFrameTagSetDataCmd::DoNotify() {
  const UIDList& items = *GetItemList();
  if (items.IsEmpty()) return;
  const UIDRef first = items.GetRef(0);
  InterfacePtr<IVantelleFrameTagData> itemData(first);
  if (!itemData) return;

  InterfacePtr<IPMUnknown> persistent(first, IID_IPERSISTENTITEM);
  InterfacePtr<ISubject> subject(persistent, ISubject::kDefaultIID);
  if (subject) {
    subject->ModelChange(kVantelleFrameTagSetDataCmdBoss, IVantelleFrameTagData::kDefaultIID, this);
  }
  InterfacePtr<IPMUnknown> hierarchy(first, IID_IHIERARCHY);
  if (hierarchy) {
    InterfacePtr<IBroadcastUtils> broadcast(
        static_cast<IBroadcastUtils*>(UtilsBoss::QueryUtils(IBroadcastUtils::kDefaultIID)));
    if (broadcast) {
      broadcast->BroadcastModelChange(items.GetDataBase(), kVantelleFrameTagSetDataCmdBoss,
                                      IVantelleFrameTagData::kDefaultIID, this);
    }
  }
}

PMString* VantelleFrameTagSetDataCmd::CreateName() {
  return new (std::nothrow) PMString("0x182900kVantelleFrameTagSetDataCmdKey");
}

CREATE_PMINTERFACE(VantelleFrameTagSetDataCmd, kVantelleFrameTagSetDataCmdImpl);
