// The preferences dialog's observer: follows its two lists, though no change of theirs reaches
// the settings record; OK and Cancel are the base's.
#include "CDialogObserver.h"
#include "IPanelControlData.h"
#include "IStringListControlData.h"
#include "InterfacePtr.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"

namespace {

// The two lists of view 250. Nothing of the settings record is bound to them.
constexpr WidgetID kVantellePrefsFirstListWidgetID = 0x18290D;
constexpr WidgetID kVantellePrefsSecondListWidgetID = 0x18290F;
constexpr WidgetID kFollowedLists[] = {kVantellePrefsFirstListWidgetID,
                                       kVantellePrefsSecondListWidgetID};

class VantellePrefsDialogObserver : public CDialogObserver {
 public:
  explicit VantellePrefsDialogObserver(IPMUnknown* boss) : CDialogObserver(boss) {}

  void AutoAttach() override {
    CDialogObserver::AutoAttach();
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    for (WidgetID list : kFollowedLists) {
      AttachToWidget(list, IStringListControlData::kDefaultIID, panel);
    }
  }

  void AutoDetach() override {
    CDialogObserver::AutoDetach();
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    for (WidgetID list : kFollowedLists) {
      DetachFromWidget(list, IStringListControlData::kDefaultIID, panel);
    }
  }
};

}  // namespace

CREATE_PMINTERFACE(VantellePrefsDialogObserver, kVantellePrefsDialogObserverImpl);
