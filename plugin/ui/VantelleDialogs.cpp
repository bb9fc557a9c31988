#include "ui/VantelleDialogs.h"

#include "IApplication.h"
#include "IDialogMgr.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "frame/VantelleID.h"

bool16 OpenVantelleDialog(RsrcID viewID, IDialog::DialogType type, bool16 waitUntilClosed) {
  ISession* session = GetExecutionContextSession();
  InterfacePtr<IApplication> application(session ? session->QueryApplication() : nullptr);
  InterfacePtr<IDialogMgr> dialogs(application, IDialogMgr::kDefaultIID);
  if (!dialogs) return kFalse;
  const RsrcSpec resource(WLocaleSetting::GetLocale(), kVantellePluginID, kViewRsrcType, viewID,
                          kTrue);
  InterfacePtr<IDialog> dialog(dialogs->CreateNewDialog(resource, type));
  if (!dialog) return kFalse;
  dialog->Open();
  if (waitUntilClosed) dialog->WaitForDialog();
  return kTrue;
}
