// One graphic attribute with its value: the object the graphic-attribute utility hands out.
#include "CPMUnknown.h"
#include "IGraphicAttribute.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class GraphicAttribute : public CPMUnknown<IGraphicAttribute> {
 public:
  explicit GraphicAttribute(IPMUnknown* boss) : CPMUnknown(boss) {}

  const GraphicAttributeValue& Get() const override { return fValue; }
  void Set(const GraphicAttributeValue& value) override { fValue = value; }

 private:
  GraphicAttributeValue fValue;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<GraphicAttribute>(kGraphicAttributeImpl));
});

}  // namespace
