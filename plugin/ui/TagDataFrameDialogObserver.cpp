// The Tag Data Frame dialog's observer: besides OK and Cancel it follows the type list, whose
// every change applies the scope rule.
#include "CDialogObserver.h"
#include "IControlView.h"
#include "IPanelControlData.h"
#include "IStringListControlData.h"
#include "ISubject.h"
#include "InterfacePtr.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"
#include "ui/TagDataFrameDialog.h"

namespace {

class TagDataFrameDialogObserver : public CDialogObserver {
 public:
  explicit TagDataFrameDialogObserver(IPMUnknown* boss) : CDialogObserver(boss) {}

  void AutoAttach() override {
    CDialogObserver::AutoAttach();
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    AttachToWidget(kTagDataFrameTypeWidgetID, IStringListControlData::kDefaultIID, panel);
  }

  void AutoDetach() override {
    CDialogObserver::AutoDetach();
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    DetachFromWidget(kTagDataFrameTypeWidgetID, IStringListControlData::kDefaultIID, panel);
  }

  // Only the type list is followed for changes, so any change applies the rule.
  void Update(ClassID change, ISubject* subject, PMIID protocol, void* changedBy,
              void* data) override {
    CDialogObserver::Update(change, subject, protocol, changedBy, data);
    InterfacePtr<IControlView> changed(subject, IControlView::kDefaultIID);
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    if (changed && panel) ApplyTagDataFrameScopeRule(panel);
  }
};

}  // namespace

CREATE_PMINTERFACE(TagDataFrameDialogObserver, kTagDataFrameDialogObserverImpl);
