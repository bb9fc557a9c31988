// The dialog manager, an interface of the host application (ISession::QueryApplication).
#pragma once

#include "IDialog.h"
#include "RsrcSpec.h"

class IDialogMgr : public IPMUnknown {
 public:
  enum { kDefaultIID = 284 };

  // A new dialog built from the plug-in's view resource, with one reference; null when the
  // resource is missing, damaged or names a class that is no dialog. Its texts are translated.
  virtual IDialog* CreateNewDialog(const RsrcSpec& resource, IDialog::DialogType type) = 0;
};
