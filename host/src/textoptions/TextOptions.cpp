// The text options of a document's workspace, stored with the document.
#include "CPMUnknown.h"
#include "IPMStream.h"
#include "ITextOptions.h"
#include "document/PersistentHostFactory.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class TextOptions : public CPMUnknown<ITextOptions> {
 public:
  explicit TextOptions(IPMUnknown* boss) : CPMUnknown(boss) {}

  bool16 GetTypographersQuotes() const override { return fTypographersQuotes; }
  void SetTypographersQuotes(bool16 on) override {
    PreDirty();
    fTypographersQuotes = on ? kTrue : kFalse;
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { stream->XferBool(fTypographersQuotes); }

 private:
  // On in a new document, as hosts ship it.
  bool16 fTypographersQuotes = kTrue;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<TextOptions>(kTextOptionsImpl));
});

}  // namespace
