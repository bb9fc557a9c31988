#include "DialogSteps.h"

#include <charconv>

#include "IControlView.h"
#include "IDialog.h"
#include "IDropDownListController.h"
#include "IPanelControlData.h"
#include "IStringListControlData.h"
#include "ITextControlData.h"
#include "ITriStateControlData.h"
#include "IWindow.h"
#include "InterfacePtr.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "SessionValues.h"
#include "objectmodel/Boss.h"
#include "ui/UserInterface.h"
#include "ui/ViewResource.h"

namespace {

WidgetID ParseWidget(const std::string& word) {
  const size_t start = word.compare(0, 2, "0x") == 0 || word.compare(0, 2, "0X") == 0 ? 2 : 0;
  WidgetID id = 0;
  const char* end = word.data() + word.size();
  const auto parsed = std::from_chars(word.data() + start, end, id, 16);
  if (start == word.size() || parsed.ec != std::errc() || parsed.ptr != end) {
    throw ScriptError("a widget is named by its hexadecimal ID (0x18291A), not " + word);
  }
  return id;
}

int32 ParseItem(const std::string& word) {
  int32 item = -1;
  const char* end = word.data() + word.size();
  const auto parsed = std::from_chars(word.data(), end, item);
  if (parsed.ec != std::errc() || parsed.ptr != end || item < 0) {
    throw ScriptError("an item is numbered from 0, not " + word);
  }
  return item;
}

WidgetKind KindOf(IControlView* widget) {
  WidgetKind kind = WidgetKind::kStaticText;
  WidgetKindOfClass(Boss::Of(widget)->GetClass(), &kind);
  return kind;
}

IControlView* FindWidget(IDialog* dialog, WidgetID id) {
  IPanelControlData* panel = dialog->GetDialogPanel();
  IControlView* widget = panel ? panel->FindWidget(id, ViewResource::kMaxPanelDepth) : nullptr;
  if (!widget || id == kDefaultWidgetId) {
    throw ScriptError("the dialog has no widget " + HexID(id));
  }
  return widget;
}

// The widget the step works on, which must be of the kind and enabled.
IControlView* OperableWidget(IDialog* dialog, WidgetID id, WidgetKind kind) {
  IControlView* widget = FindWidget(dialog, id);
  if (KindOf(widget) != kind) {
    throw ScriptError("widget " + HexID(id) + " is no " + WidgetKindName(kind) + " but a " +
                      WidgetKindName(KindOf(widget)));
  }
  if (!widget->IsEnabled()) throw ScriptError("widget " + HexID(id) + " is disabled");
  return widget;
}

void ShowWidget(IControlView* widget, std::ostream& out) {
  const WidgetKind kind = KindOf(widget);
  out << "widget " << HexID(widget->GetWidgetID()) << ' '
      << (kind == WidgetKind::kTextField ? "text" : WidgetKindName(kind));
  InterfacePtr<ITextControlData> text(widget, ITextControlData::kDefaultIID);
  InterfacePtr<IStringListControlData> items(widget, IStringListControlData::kDefaultIID);
  InterfacePtr<IDropDownListController> list(widget, IDropDownListController::kDefaultIID);
  InterfacePtr<ITriStateControlData> box(widget, ITriStateControlData::kDefaultIID);
  if (box) {
    out << " state=" << box->GetState();
  } else if (text) {
    out << ' ' << JsonQuote(text->GetString().GetUTF16());
  }
  if (list && items) {
    out << " selected=" << list->GetSelected() << " items=";
    for (int32 i = 0; i < items->Length(); ++i) {
      out << (i > 0 ? "," : "") << JsonQuote(items->GetString(i).GetUTF16());
    }
  }
  out << " enabled=" << (widget->IsEnabled() ? 1 : 0) << '\n';
}

// The widgets of a panel in view order, those inside panels after their panel.
void ShowWidgets(IPanelControlData* panel, std::ostream& out) {
  for (int32 i = 0; i < panel->Length(); ++i) {
    IControlView* widget = panel->GetWidget(i);
    if (widget->GetWidgetID() != kDefaultWidgetId) ShowWidget(widget, out);
    InterfacePtr<IPanelControlData> inner(widget, IPanelControlData::kDefaultIID);
    if (inner) ShowWidgets(inner, out);
  }
}

void Show(IDialog* dialog, std::ostream& out) {
  IPanelControlData* panel = dialog->GetDialogPanel();
  InterfacePtr<IControlView> view(panel, IControlView::kDefaultIID);
  InterfacePtr<IWindow> window(dialog, IWindow::kDefaultIID);
  PMString title = window ? window->GetTitle() : PMString();
  title.Translate();
  out << "dialog " << (view ? view->GetWidgetID() : 0) << " title=" << JsonQuote(title.GetUTF16())
      << '\n';
  if (panel) ShowWidgets(panel, out);
}

}  // namespace

std::vector<DialogStep> ParseDialogSteps(const std::vector<std::string>& words) {
  static const char* const kUsage =
      "dialog steps are show, text WIDGET S, select WIDGET N, check WIDGET on|off, ok and cancel";
  std::vector<DialogStep> steps;
  for (size_t i = 0; i < words.size();) {
    DialogStep step;
    const std::string& name = words[i++];
    auto argument = [&](const char* what) -> const std::string& {
      if (i == words.size()) throw ScriptError(name + " needs " + what + "; " + kUsage);
      return words[i++];
    };
    if (name == "show") {
      step.kind = DialogStep::kShow;
    } else if (name == "ok" || name == "cancel") {
      step.kind = name == "ok" ? DialogStep::kOK : DialogStep::kCancel;
    } else if (name == "text") {
      step.kind = DialogStep::kText;
      step.widget = ParseWidget(argument("a widget"));
      step.text = argument("a text");
    } else if (name == "select") {
      step.kind = DialogStep::kSelect;
      step.widget = ParseWidget(argument("a widget"));
      step.item = ParseItem(argument("an item number"));
    } else if (name == "check") {
      step.kind = DialogStep::kCheck;
      step.widget = ParseWidget(argument("a widget"));
      const std::string& state = argument("on or off");
      if (state != "on" && state != "off") throw ScriptError("check takes on or off, not " + state);
      step.on = state == "on";
    } else {
      throw ScriptError("unknown dialog step " + name + "; " + kUsage);
    }
    steps.push_back(std::move(step));
  }
  return steps;
}

void TakeDialogStep(IDialog* dialog, const DialogStep& step, std::ostream& out) {
  switch (step.kind) {
    case DialogStep::kShow:
      Show(dialog, out);
      return;
    case DialogStep::kText: {
      IControlView* field = OperableWidget(dialog, step.widget, WidgetKind::kTextField);
      InterfacePtr<ITextControlData>(field, ITextControlData::kDefaultIID)
          ->SetString(ToPMString(step.text));
      return;
    }
    case DialogStep::kSelect: {
      IControlView* widget = OperableWidget(dialog, step.widget, WidgetKind::kDropDownList);
      InterfacePtr<IStringListControlData> items(widget, IStringListControlData::kDefaultIID);
      if (step.item >= items->Length()) {
        throw ScriptError("list " + HexID(step.widget) + " has " + std::to_string(items->Length()) +
                          " items, from 0");
      }
      InterfacePtr<IDropDownListController>(widget, IDropDownListController::kDefaultIID)
          ->Select(step.item);
      return;
    }
    case DialogStep::kCheck: {
      IControlView* box = OperableWidget(dialog, step.widget, WidgetKind::kCheckBox);
      InterfacePtr<ITriStateControlData>(box, ITriStateControlData::kDefaultIID)
          ->SetState(step.on ? ITriStateControlData::kSelected : ITriStateControlData::kUnselected);
      return;
    }
    case DialogStep::kOK:
      if (!PressDialogButton(dialog, kOKButtonWidgetID)) {
        throw ScriptError("the dialog has no OK button");
      }
      return;
    case DialogStep::kCancel:
      if (!PressDialogButton(dialog, kCancelButtonWidgetID)) {
        throw ScriptError("the dialog has no Cancel button");
      }
      return;
  }
}
