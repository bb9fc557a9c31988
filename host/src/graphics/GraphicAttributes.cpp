// The look of a page item, stored with the document.
#include "CPMUnknown.h"
#include "IGraphicAttributes.h"
#include "IPMStream.h"
#include "document/PersistentHostFactory.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class GraphicAttributes : public CPMUnknown<IGraphicAttributes> {
 public:
  explicit GraphicAttributes(IPMUnknown* boss) : CPMUnknown(boss) {}

  UID GetFillSwatch() const override { return fFillSwatch; }
  PMReal GetFillTint() const override { return fFillTint; }
  UID GetStrokeSwatch() const override { return fStrokeSwatch; }
  PMReal GetStrokeTint() const override { return fStrokeTint; }
  PMReal GetStrokeWeight() const override { return fStrokeWeight; }
  ClassID GetClassAttribute() const override { return fClassAttribute; }
  uint32 GetSwitchAttribute() const override { return fSwitchAttribute; }
  bool16 GetNonPrinting() const override { return fNonPrinting; }
  PMReal GetOpacity() const override { return fOpacity; }

  void Apply(const GraphicAttributeValue& attribute) override {
    PreDirty();
    switch (attribute.kind) {
      case kFillSwatchAttr:
        fFillSwatch = attribute.id;
        break;
      case kFillTintAttr:
        fFillTint = attribute.amount;
        break;
      case kStrokeSwatchAttr:
        fStrokeSwatch = attribute.id;
        break;
      case kStrokeTintAttr:
        fStrokeTint = attribute.amount;
        break;
      case kStrokeWeightAttr:
        fStrokeWeight = attribute.amount;
        break;
      case kClassAttr:
        fClassAttribute = attribute.id;
        break;
      case kSwitchAttr:
        fSwitchAttribute = attribute.id;
        break;
    }
  }
  void SetNonPrinting(bool16 nonPrinting) override {
    PreDirty();
    fNonPrinting = nonPrinting ? kTrue : kFalse;
  }
  void SetOpacity(PMReal percent) override {
    PreDirty();
    fOpacity = percent;
  }

  void ReadWrite(IPMStream* stream, ImplementationID) {
    stream->XferInt32(fFillSwatch);
    stream->XferReal(fFillTint);
    stream->XferInt32(fStrokeSwatch);
    stream->XferReal(fStrokeTint);
    stream->XferReal(fStrokeWeight);
    stream->XferInt32(fClassAttribute);
    stream->XferInt32(fSwitchAttribute);
    stream->XferBool(fNonPrinting);
    stream->XferReal(fOpacity);
  }

 private:
  UID fFillSwatch = kInvalidUID;
  PMReal fFillTint = kDefaultTint;
  UID fStrokeSwatch = kInvalidUID;
  PMReal fStrokeTint = kDefaultTint;
  PMReal fStrokeWeight = kDefaultStrokeWeight;
  ClassID fClassAttribute = kDefaultClassAttribute;
  uint32 fSwitchAttribute = 0;
  bool16 fNonPrinting = kFalse;
  PMReal fOpacity = kDefaultOpacity;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(
      MakePersistentHostFactory<GraphicAttributes>(kGraphicAttributesImpl));
});

}  // namespace
