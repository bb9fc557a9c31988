#include "display/PageItemAttributes.h"

#include "CmdUtils.h"
#include "ITransparencyUtils.h"
#include "display/GraphicAttributeCalls.h"

void SetBooleanItemAttribute(const UIDRef& item, bool16 value) {
  InterfacePtr<IGraphicAttributeUtils> utils = GraphicAttributeCalls::QueryAttributeUtils();
  if (!utils) return;
  InterfacePtr<ICommand> command(
      utils->CreateNonPrintingCommand(value, UIDList(item), kTrue, kTrue));
  if (command) CmdUtils::ProcessCommand(command);
}

ErrorCode ApplyPercentageAttribute(const UIDRef& item, PMReal percent) {
  InterfacePtr<ITransparencyUtils> utils(
      static_cast<ITransparencyUtils*>(UtilsBoss::QueryUtils(ITransparencyUtils::kDefaultIID)));
  return utils ? utils->ApplyOpacity(UIDList(item), percent) : kFailure;
}
