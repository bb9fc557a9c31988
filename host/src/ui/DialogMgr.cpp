// The dialog manager: builds a dialog from a plug-in's view resource. The window gets the view's
// title; the view, an object of the plug-in's dialog class, gets its widgets, each of the class
// of its kind, with its ID, bounds and texts. Texts from the resource are translated as they are
// placed; a list starts with its first item selected. The view's own widget ID is the number of
// its resource.
#include "CPMUnknown.h"
#include "CreateObject.h"
#include "IDialogMgr.h"
#include "IDropDownListController.h"
#include "IPanelControlData.h"
#include "IStringListControlData.h"
#include "ITextControlData.h"
#include "IWindow.h"
#include "InterfacePtr.h"
#include "UIImplIDs.h"
#include "ViewResource.h"
#include "app/Host.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

PMString Translated(PMString text) {
  text.Translate();
  return text;
}

template <class Interface>
InterfacePtr<Interface> MakeObject(ClassID objectClass) {
  return InterfacePtr<Interface>(
      static_cast<Interface*>(CreateObject(objectClass, Interface::kDefaultIID)));
}

// Adds the widgets to the panel; false when one cannot be made.
bool AddWidgets(const std::vector<WidgetResource>& widgets, IPanelControlData* panel) {
  for (const WidgetResource& w : widgets) {
    InterfacePtr<IControlView> view = MakeObject<IControlView>(WidgetKindClass(w.kind));
    if (!view) return false;
    view->SetWidgetID(w.id);
    view->SetFrame(w.bounds);
    InterfacePtr<ITextControlData> text(view, ITextControlData::kDefaultIID);
    if (text && !w.texts.empty()) text->SetString(Translated(w.texts.front()), kFalse);
    InterfacePtr<IStringListControlData> items(view, IStringListControlData::kDefaultIID);
    for (size_t i = 0; items && i < w.texts.size(); ++i) items->AddString(Translated(w.texts[i]));
    InterfacePtr<IDropDownListController> list(view, IDropDownListController::kDefaultIID);
    if (list) list->Select(0, kFalse);
    InterfacePtr<IPanelControlData> inner(view, IPanelControlData::kDefaultIID);
    if (inner && !AddWidgets(w.children, inner)) return false;
    panel->AddWidget(view);
  }
  return true;
}

IDialog* BuildDialog(RsrcID id, const ViewResource& resource) {
  InterfacePtr<IDialog> dialog = MakeObject<IDialog>(kDialogWindowBoss);
  InterfacePtr<IControlView> view = MakeObject<IControlView>(resource.viewClass);
  InterfacePtr<IPanelControlData> widgets(view, IPanelControlData::kDefaultIID);
  InterfacePtr<IPanelControlData> window(dialog, IPanelControlData::kDefaultIID);
  InterfacePtr<IWindow> title(dialog, IWindow::kDefaultIID);
  if (!window || !title || !widgets || !AddWidgets(resource.widgets, widgets)) return nullptr;
  title->SetTitle(Translated(resource.title));
  view->SetWidgetID(id);
  view->SetFrame(resource.bounds);
  window->AddWidget(view);
  return dialog.forget();
}

class DialogMgr : public CPMUnknown<IDialogMgr> {
 public:
  explicit DialogMgr(IPMUnknown* boss) : CPMUnknown(boss) {}

  IDialog* CreateNewDialog(const RsrcSpec& resource, IDialog::DialogType) override {
    if (resource.GetType() != kViewRsrcType) return nullptr;
    Host& host = Host::Get();
    const DataResource* data =
        host.PlugIns().FindResource(resource.GetPluginID(), kViewRsrcType, resource.GetID());
    if (!data) return nullptr;
    ViewResource view;
    std::string error;
    if (!ViewResource::Decode(data->bytes, &view, &error)) {
      host.Report().Add("plug-in " + LoadReport::HexID(resource.GetPluginID()),
                        "view " + std::to_string(resource.GetID()) + " is damaged: " + error);
      return nullptr;
    }
    return BuildDialog(resource.GetID(), view);
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<DialogMgr>(kDialogMgrImpl));
});

}  // namespace

PMLocaleId WLocaleSetting::GetLocale() {
  return 0x0409;
}
