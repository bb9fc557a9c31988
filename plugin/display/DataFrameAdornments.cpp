#include "display/DataFrameAdornments.h"

#include "CmdUtils.h"
#include "GraphicsIDs.h"
#include "IClassIDData.h"
#include "InterfacePtr.h"

namespace {

void RunAdornmentCommands(ClassID commandClass, const UIDRef& item) {
  for (ClassID adornment : {kVantelleDataFrameAdornmentBoss, kVantelleTextAdornmentBoss}) {
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(commandClass));
    InterfacePtr<IClassIDData> classData(command.get(), IClassIDData::kDefaultIID);
    if (!command || !classData) continue;
    command->SetItemList(UIDList(item));
    classData->Set(adornment);
    CmdUtils::ProcessCommand(command);
  }
}

}  // namespace

void AttachDataFrameAdornments(const UIDRef& item) {
  RunAdornmentCommands(kAddPageItemAdornmentCmdBoss, item);
}

void DetachDataFrameAdornments(const UIDRef& item) {
  RunAdornmentCommands(kRemovePageItemAdornmentCmdBoss, item);
}
