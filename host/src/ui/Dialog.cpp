// A dialog, on its window: the window's panel holds the dialog's view, whose controller and
// observer are the plug-in's. Opening runs the controller's InitializeDialogFields, then the
// observer's AutoAttach; closing runs its AutoDetach. The host's user interface holds the dialog
// while it is open.
#include "CPMUnknown.h"
#include "IDialog.h"
#include "IDialogController.h"
#include "IObserver.h"
#include "IPanelControlData.h"
#include "InterfacePtr.h"
#include "UIImplIDs.h"
#include "app/Host.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class Dialog : public CPMUnknown<IDialog> {
 public:
  explicit Dialog(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Open() override {
    if (fOpen) return;
    InterfacePtr<IDialogController> controller(View(), IDialogController::kDefaultIID);
    if (controller) controller->InitializeDialogFields();
    InterfacePtr<IObserver> observer(View(), IObserver::kDefaultIID);
    if (observer) observer->AutoAttach();
    fOpen = true;
    try {
      Host::Get().UI().DialogOpened(this);
    } catch (...) {
      Close();  // a dialog that failed to open holds nothing open
      throw;
    }
  }

  void WaitForDialog() override { Host::Get().UI().WaitFor(this); }

  void Close() override {
    if (!fOpen) return;
    InterfacePtr<IDialog> keep(this, IDialog::kDefaultIID);  // the user interface may hold the last
    fOpen = false;
    InterfacePtr<IObserver> observer(View(), IObserver::kDefaultIID);
    if (observer) observer->AutoDetach();
    Host::Get().UI().DialogClosed(this);
  }

  bool16 IsOpen() const override { return fOpen ? kTrue : kFalse; }

  IPanelControlData* GetDialogPanel() const override {
    InterfacePtr<IPanelControlData> panel(View(), IPanelControlData::kDefaultIID);
    return panel.get();  // the view keeps its panel alive as long as the window holds it
  }

 private:
  // The window's one widget.
  IControlView* View() const {
    InterfacePtr<IPanelControlData> window(this, IPanelControlData::kDefaultIID);
    return window ? window->GetWidget(0) : nullptr;
  }

  bool fOpen = false;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<Dialog>(kDialogImpl));
});

}  // namespace
