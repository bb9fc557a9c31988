// A dialog made by the dialog manager from a view resource. Opening it lets its controller fill
// the fields and its observer attach; the person then works in it until a button closes it.
#pragma once

#include "IPMUnknown.h"

class IPanelControlData;

class IDialog : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700620 };
  enum DialogType { kMovableModal = 1 };

  // Shows the dialog. The person may act on it at once; a dialog that is not waited for stays
  // open until the person closes it.
  virtual void Open() = 0;
  // Returns once the dialog has closed. A dialog the person leaves open is cancelled.
  virtual void WaitForDialog() = 0;
  // Closes the dialog as its buttons do, after the controller has had its say.
  virtual void Close() = 0;
  virtual bool16 IsOpen() const = 0;
  // The dialog's view: the panel that holds the widgets of its resource. No reference is added.
  virtual IPanelControlData* GetDialogPanel() const = 0;
};
