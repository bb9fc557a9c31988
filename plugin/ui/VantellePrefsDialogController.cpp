// The preferences dialog's controller. The working copy of the settings record is one block for
// the process, taken when the controller is made and given up when it goes; without it the
// system beep sounds and the dialog copies nothing.
#include <cstring>

#include "CDialogController.h"
#include "IPanelControlData.h"
#include "InterfacePtr.h"
#include "dataframe/memory/MemBlocks.h"
#include "frame/ImplementationRegistration.h"
#include "frame/ModuleSettings.h"
#include "frame/VantelleID.h"

namespace {

MemBlock gWorkingCopy = nullptr;

class VantellePrefsDialogController : public CDialogController {
 public:
  explicit VantellePrefsDialogController(IPMUnknown* boss) : CDialogController(boss) {
    // A second controller while one lives (a document file may hold any object) shares the
    // process's one copy instead of losing it; the first to go gives it up.
    if (!gWorkingCopy) gWorkingCopy = NewMemBlock(kModuleSettingsSize);
    if (!gWorkingCopy) BeepAlert();
  }
  ~VantellePrefsDialogController() override {
    FreeMemBlock(gWorkingCopy);
    gWorkingCopy = nullptr;
  }

  void InitializeDialogFields() override {
    CDialogController::InitializeDialogFields();
    if (gWorkingCopy) std::memcpy(gWorkingCopy, ModuleSettingsRecord(), kModuleSettingsSize);
  }

  void ApplyDialogFields() override {
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    if (!panel || !gWorkingCopy) return;
    std::memcpy(ModuleSettingsRecord(), gWorkingCopy, kModuleSettingsSize);
    WriteModuleSettings();
  }
};

}  // namespace

CREATE_PMINTERFACE(VantellePrefsDialogController, kVantellePrefsDialogControllerImpl);
