// A swatch: its name and, for a process swatch, its four ink fractions.
#include "CPMUnknown.h"
#include "IPMStream.h"
#include "ISwatch.h"
#include "document/PersistentHostFactory.h"
#include "document/StreamFields.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class Swatch : public CPMUnknown<ISwatch> {
 public:
  explicit Swatch(IPMUnknown* boss) : CPMUnknown(boss) { fName.SetTranslatable(kFalse); }

  const PMString& GetName() const override { return fName; }
  bool16 IsProcessColor() const override { return fIsProcessColor; }
  ProcessColor GetProcessColor() const override { return fColor; }

  void Set(const PMString& name, bool16 isProcessColor, const ProcessColor& color) override {
    PreDirty();
    fName = PMString(name.GetUTF16());
    fName.SetTranslatable(kFalse);
    fIsProcessColor = isProcessColor ? kTrue : kFalse;
    fColor = fIsProcessColor ? color : ProcessColor();
  }

  void ReadWrite(IPMStream* stream, ImplementationID) {
    StreamFields::XferUnits(stream, fName.GetUTF16Mutable());
    stream->XferBool(fIsProcessColor);
    stream->XferReal(fColor.cyan);
    stream->XferReal(fColor.magenta);
    stream->XferReal(fColor.yellow);
    stream->XferReal(fColor.black);
  }

 private:
  PMString fName;  // a user's name, never translated
  bool16 fIsProcessColor = kFalse;
  ProcessColor fColor;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<Swatch>(kSwatchImpl));
});

}  // namespace
