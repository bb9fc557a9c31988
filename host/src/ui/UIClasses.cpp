// The classes of dialogs and widgets, and the dialog manager on the application.
#include "HostIDs.h"
#include "IDialog.h"
#include "IDialogMgr.h"
#include "IDropDownListController.h"
#include "IPanelControlData.h"
#include "IStringListControlData.h"
#include "ISubject.h"
#include "ITextControlData.h"
#include "ITriStateControlData.h"
#include "IWidgetParent.h"
#include "IWindow.h"
#include "UIImplIDs.h"
#include "WidgetIDs.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.DefineClass(kWidgetBoss, kInvalidClass,
                    {{IControlView::kDefaultIID, kControlViewImpl},
                     {IWidgetParent::kDefaultIID, kWidgetParentImpl},
                     {ISubject::kDefaultIID, kSubjectImpl}});
  model.DefineClass(kDialogBoss, kWidgetBoss,
                    {{IPanelControlData::kDefaultIID, kPanelControlDataImpl}});
  model.DefineClass(kPanelWidgetBoss, kWidgetBoss,
                    {{IPanelControlData::kDefaultIID, kPanelControlDataImpl},
                     {ITextControlData::kDefaultIID, kTextControlDataImpl}});
  for (ClassID textWidget : {kStaticTextWidgetBoss, kTextEditBoxWidgetBoss, kButtonWidgetBoss}) {
    model.DefineClass(textWidget, kWidgetBoss,
                      {{ITextControlData::kDefaultIID, kTextControlDataImpl}});
  }
  model.DefineClass(kCheckBoxWidgetBoss, kWidgetBoss,
                    {{ITextControlData::kDefaultIID, kTextControlDataImpl},
                     {ITriStateControlData::kDefaultIID, kTriStateControlDataImpl}});
  model.DefineClass(kDropDownListWidgetBoss, kWidgetBoss,
                    {{IStringListControlData::kDefaultIID, kStringListControlDataImpl},
                     {IDropDownListController::kDefaultIID, kDropDownListControllerImpl}});
  model.DefineClass(kDialogWindowBoss, kInvalidClass,
                    {{IWindow::kDefaultIID, kWindowImpl},
                     {IDialog::kDefaultIID, kDialogImpl},
                     {IPanelControlData::kDefaultIID, kPanelControlDataImpl}});
  model.AddIn(kApplicationBoss, {{IDialogMgr::kDefaultIID, kDialogMgrImpl}});
});

}  // namespace
