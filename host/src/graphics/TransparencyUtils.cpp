// The transparency utility: sets page items' opacity through the undoable opacity command.
#include "CPMUnknown.h"
#include "CmdUtils.h"
#include "GraphicAttributeRules.h"
#include "ITransparencyUtils.h"
#include "InterfacePtr.h"
#include "cmddata/IRealNumberData.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class TransparencyUtils : public CPMUnknown<ITransparencyUtils> {
 public:
  explicit TransparencyUtils(IPMUnknown* boss) : CPMUnknown(boss) {}

  ErrorCode ApplyOpacity(const UIDList& items, PMReal percent) const override {
    if (items.IsEmpty() || !GraphicAttributeRules::IsPercent(percent)) return kFailure;
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kSetOpacityCmdBoss));
    InterfacePtr<IRealNumberData> value(command.get(), IID_IREALNUMBERDATA);
    if (!value) return kFailure;
    value->Set(percent);
    command->SetItemList(items);
    return CmdUtils::ProcessCommand(command);
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<TransparencyUtils>(kTransparencyUtilsImpl));
});

}  // namespace
