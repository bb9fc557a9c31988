// The command that turns typographer's quotes on or off in the workspace its IUIDData names.
#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "IBoolData.h"
#include "ITextOptions.h"
#include "IUIDData.h"
#include "InterfacePtr.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class SetTypographersQuotesCmd : public Command {
 public:
  using Command::Command;

  void Do() override {
    InterfacePtr<IUIDData> target(this, IUIDData::kDefaultIID);
    InterfacePtr<IBoolData> value(this, IBoolData::kDefaultIID);
    InterfacePtr<ITextOptions> options(target ? InterfacePtr<ITextOptions>(target->GetRef())
                                              : InterfacePtr<ITextOptions>());
    if (!value || !options) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    options->SetTypographersQuotes(value->Get());
  }

  PMString* CreateName() override { return new PMString("Typographer's Quotes"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(
      MakeHostFactory<SetTypographersQuotesCmd>(kSetTypographersQuotesCmdImpl));
});

}  // namespace
