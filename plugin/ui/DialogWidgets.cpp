#include "ui/DialogWidgets.h"

#include "IDropDownListController.h"
#include "IStringListControlData.h"
#include "ITextControlData.h"
#include "InterfacePtr.h"

namespace {

// Deep enough for any view.
constexpr int32 kWidgetSearchDepth = 9999;

template <class Interface>
InterfacePtr<Interface> WidgetInterface(IPanelControlData* panel, WidgetID widget) {
  IControlView* view = panel ? panel->FindWidget(widget, kWidgetSearchDepth) : nullptr;
  return InterfacePtr<Interface>(view, Interface::kDefaultIID);
}

}  // namespace

PMString ReadWidgetText(IPanelControlData* panel, WidgetID widget) {
  InterfacePtr<ITextControlData> text = WidgetInterface<ITextControlData>(panel, widget);
  return text ? text->GetString() : PMString();
}

void WriteWidgetText(IPanelControlData* panel, WidgetID widget, const PMString& text) {
  if (InterfacePtr<ITextControlData> data = WidgetInterface<ITextControlData>(panel, widget)) {
    data->SetString(text);
  }
}

int32 ReadWidgetSelection(IPanelControlData* panel, WidgetID widget) {
  InterfacePtr<IDropDownListController> list =
      WidgetInterface<IDropDownListController>(panel, widget);
  return list ? list->GetSelected() : -1;
}

void WriteWidgetSelection(IPanelControlData* panel, WidgetID widget, int32 index) {
  InterfacePtr<IStringListControlData> items =
      WidgetInterface<IStringListControlData>(panel, widget);
  InterfacePtr<IDropDownListController> list =
      WidgetInterface<IDropDownListController>(panel, widget);
  if (items && list && items->Length() > 0) list->Select(index);
}

int32 ReadWidgetCheckState(IPanelControlData* panel, WidgetID widget) {
  InterfacePtr<ITriStateControlData> box = WidgetInterface<ITriStateControlData>(panel, widget);
  return box ? box->GetState() : ITriStateControlData::kMixed;
}

void WriteWidgetCheckState(IPanelControlData* panel, WidgetID widget,
                           ITriStateControlData::TriState state) {
  if (InterfacePtr<ITriStateControlData> box =
          WidgetInterface<ITriStateControlData>(panel, widget)) {
    box->SetState(state);
  }
}

void EnableWidget(IPanelControlData* panel, WidgetID widget, bool16 enable) {
  InterfacePtr<IControlView> view = WidgetInterface<IControlView>(panel, widget);
  if (!view) return;
  if (enable) {
    view->Enable();
  } else {
    view->Disable();
  }
}
