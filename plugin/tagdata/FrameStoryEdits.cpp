#include "tagdata/FrameStoryEdits.h"

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "CmdUtils.h"
#include "DocumentIDs.h"
#include "IBoolData.h"
#include "IDataBase.h"
#include "IDocument.h"
#include "ITextModel.h"
#include "ITextModelCmds.h"
#include "ITextOptions.h"
#include "IUIDData.h"
#include "frame/host/FrameStory.h"

void ClearFrameText(const UIDRef& target) {
  InterfacePtr<ITextModel> model = QueryFrameStory(target);
  InterfacePtr<ITextModelCmds> commands(model.get(), IID_ITEXTMODELCMDS);
  if (!model || !commands) return;
  InterfacePtr<ICommand> deletion(commands->DeleteCmd(0, model->TotalLength() - 1, nullptr));
  if (deletion) CmdUtils::ProcessCommand(deletion);
}

ErrorCode InsertStoryText(ITextModel* model, int32& position, const WideString& text) {
  const boost::shared_ptr<WideString> shared = boost::make_shared<WideString>(text);
  InterfacePtr<ITextModelCmds> commands(model, IID_ITEXTMODELCMDS);
  InterfacePtr<ICommand> insertion(commands ? commands->InsertCmd(position, shared, nullptr)
                                            : nullptr);
  if (!insertion) return kFailure;
  const ErrorCode result = CmdUtils::ProcessCommand(insertion);
  if (result == kSuccess) position += shared->CharCount();
  return result;
}

ErrorCode SetWorkspaceTextOption(IDocument* document, bool16 on) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kSetTypographersQuotesCmdBoss));
  if (!command) return kFailure;
  InterfacePtr<IPMUnknown> workspace(
      document ? InterfacePtr<IPMUnknown>(document->GetWorkspaceRef(), IID_IPERSISTENTITEM)
               : InterfacePtr<IPMUnknown>());
  InterfacePtr<IUIDData> target(command.get(), IUIDData::kDefaultIID);
  InterfacePtr<IBoolData> value(command.get(), IBoolData::kDefaultIID);
  if (!workspace || !target || !value) return kFailure;
  target->Set(workspace.get());
  value->Set(on);
  return CmdUtils::ProcessCommand(command);
}
