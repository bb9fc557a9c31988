// The plug-in's menu actions: the About box, and the preferences dialog, which is opened and left
// to its controller. Every other action is ignored.
#include "CAlert.h"
#include "IActionComponent.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"
#include "ui/VantelleDialogs.h"

namespace {

class VantelleActionComponent : public CActionComponent {
 public:
  explicit VantelleActionComponent(IPMUnknown* boss) : CActionComponent(boss) {}

  void DoAction(IActiveContext*, ActionID actionID, GSysPoint, IPMUnknown*) override {
    if (actionID == kVantelleAboutActionID) {
      CAlert::ModalAlert(PMString("0x182900kVantelleAboutBoxStringKey"), PMString("OK"), PMString(),
                         PMString(), 1, 1);
    } else if (actionID == kVantellePrefsActionID) {
      OpenVantelleDialog(kVantellePrefsDialogViewID, IDialog::kMovableModal, kFalse);
    }
  }
};

}  // namespace

CREATE_PMINTERFACE(VantelleActionComponent, kVantelleActionComponentImpl);
