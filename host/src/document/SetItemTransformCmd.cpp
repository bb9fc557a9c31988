// The command that gives the page items of its item list a new inner-to-parent matrix. A matrix
// without an inverse is refused: nothing could be drawn or measured through it.
#include <vector>

#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "IItemTransform.h"
#include "InterfacePtr.h"
#include "LayoutCmdData.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class ItemTransformCmdData : public CPMUnknown<IItemTransformCmdData> {
 public:
  explicit ItemTransformCmdData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Set(const PMMatrix& innerToParent) override { fMatrix = innerToParent; }
  const PMMatrix& Get() const override { return fMatrix; }

 private:
  PMMatrix fMatrix;
};

class SetItemTransformCmd : public Command {
 public:
  using Command::Command;

  void Do() override {
    InterfacePtr<IItemTransformCmdData> data(this, IID_IITEMTRANSFORMCMDDATA);
    const UIDList* items = GetItemList();
    if (!data || !data->Get().IsInvertible() || !items || items->IsEmpty()) {
      return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    std::vector<InterfacePtr<IItemTransform>> transforms;
    for (int32 i = 0; i < items->Length(); ++i) {
      transforms.emplace_back(items->GetRef(i), IID_IITEMTRANSFORM);
      if (!transforms.back()) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    for (const auto& transform : transforms) transform->SetInnerToParent(data->Get());
  }

  PMString* CreateName() override { return new PMString("Transform"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<ItemTransformCmdData>(kItemTransformCmdDataImpl));
  model.RegisterImplementation(MakeHostFactory<SetItemTransformCmd>(kSetItemTransformCmdImpl));
});

}  // namespace
