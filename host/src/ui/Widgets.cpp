// The widgets' own data: what every widget has (control view, parent), what panels hold, and the
// data of texts, lists, check boxes and windows. A change made with notifyOfChange is announced
// on the widget's subject under the protocol of the interface that changed.
#include <algorithm>

#include "CPMUnknown.h"
#include "IControlView.h"
#include "IDropDownListController.h"
#include "IPanelControlData.h"
#include "IStringListControlData.h"
#include "ISubject.h"
#include "ITextControlData.h"
#include "ITriStateControlData.h"
#include "IWidgetParent.h"
#include "IWindow.h"
#include "InterfacePtr.h"
#include "UIImplIDs.h"
#include "WidgetIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

void Announce(const IPMUnknown* widget, ClassID change, PMIID protocol) {
  InterfacePtr<ISubject> subject(widget, ISubject::kDefaultIID);
  if (subject) subject->ModelChange(change, protocol);
}

class ControlView : public CPMUnknown<IControlView> {
 public:
  explicit ControlView(IPMUnknown* boss) : CPMUnknown(boss) {}

  WidgetID GetWidgetID() const override { return fID; }
  void SetWidgetID(WidgetID id) override { fID = id; }
  PMRect GetFrame() const override { return fFrame; }
  void SetFrame(const PMRect& frame) override { fFrame = frame; }
  void Enable() override { fEnabled = kTrue; }
  void Disable() override { fEnabled = kFalse; }
  bool16 IsEnabled() const override { return fEnabled; }

 private:
  WidgetID fID = kDefaultWidgetId;
  PMRect fFrame;
  bool16 fEnabled = kTrue;
};

// The parent is not counted: the parent holds its children, and they go with it.
class WidgetParent : public CPMUnknown<IWidgetParent> {
 public:
  explicit WidgetParent(IPMUnknown* boss) : CPMUnknown(boss) {}

  IPMUnknown* GetParent() const override { return fParent; }
  void SetParent(IPMUnknown* parent) override { fParent = parent; }
  IPMUnknown* QueryParentFor(PMIID interfaceID) const override {
    for (IPMUnknown* holder = fParent; holder;) {
      if (IPMUnknown* found = holder->QueryInterface(interfaceID)) return found;
      InterfacePtr<IWidgetParent> up(holder, IWidgetParent::kDefaultIID);
      holder = up ? up->GetParent() : nullptr;
    }
    return nullptr;
  }

 private:
  IPMUnknown* fParent = nullptr;
};

class PanelControlData : public CPMUnknown<IPanelControlData> {
 public:
  explicit PanelControlData(IPMUnknown* boss) : CPMUnknown(boss) {}
  ~PanelControlData() override {
    for (IControlView* child : fChildren) child->Release();
  }

  int32 Length() const override { return static_cast<int32>(fChildren.size()); }
  IControlView* GetWidget(int32 index) const override {
    return index >= 0 && index < Length() ? fChildren[static_cast<size_t>(index)] : nullptr;
  }
  IControlView* FindWidget(WidgetID id, int32 depth) const override {
    for (IControlView* child : fChildren) {
      if (child->GetWidgetID() == id) return child;
      InterfacePtr<IPanelControlData> panel(child, IPanelControlData::kDefaultIID);
      IControlView* found = panel && depth > 0 ? panel->FindWidget(id, depth - 1) : nullptr;
      if (found) return found;
    }
    return nullptr;
  }
  void AddWidget(IControlView* widget) override {
    if (!widget) return;
    // Taken first: a widget the list has no room for (memory ran out) keeps no reference of ours.
    fChildren.push_back(widget);
    widget->AddRef();
    InterfacePtr<IWidgetParent> parent(widget, IWidgetParent::kDefaultIID);
    if (parent) parent->SetParent(GetBoss());
  }

 private:
  std::vector<IControlView*> fChildren;
};

class TextControlData : public CPMUnknown<ITextControlData> {
 public:
  explicit TextControlData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void SetString(const PMString& text, bool16 notifyOfChange) override {
    fText = text;
    if (notifyOfChange) Announce(this, kTextChangeStateMessage, ITextControlData::kDefaultIID);
  }
  PMString GetString() const override { return fText; }

 private:
  PMString fText;
};

class StringListControlData : public CPMUnknown<IStringListControlData> {
 public:
  explicit StringListControlData(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 Length() const override { return static_cast<int32>(fItems.size()); }
  PMString GetString(int32 index) const override {
    return index >= 0 && index < Length() ? fItems[static_cast<size_t>(index)] : PMString();
  }
  void AddString(const PMString& item) override { fItems.push_back(item); }

 private:
  std::vector<PMString> fItems;
};

class DropDownListController : public CPMUnknown<IDropDownListController> {
 public:
  explicit DropDownListController(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Select(int32 index, bool16 notifyOfChange) override {
    InterfacePtr<IStringListControlData> items(this, IStringListControlData::kDefaultIID);
    fSelected = items && index >= 0 && index < items->Length() ? index : -1;
    if (notifyOfChange) {
      Announce(this, kPopupChangeStateMessage, IStringListControlData::kDefaultIID);
    }
  }
  int32 GetSelected() const override { return fSelected; }

 private:
  int32 fSelected = -1;
};

class TriStateControlData : public CPMUnknown<ITriStateControlData> {
 public:
  explicit TriStateControlData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void SetState(TriState state, bool16 notifyOfChange) override {
    fState = state;
    if (notifyOfChange) {
      Announce(this, state == kSelected ? kTrueStateMessage : kFalseStateMessage,
               ITriStateControlData::kDefaultIID);
    }
  }
  TriState GetState() const override { return fState; }

 private:
  TriState fState = kUnselected;
};

class Window : public CPMUnknown<IWindow> {
 public:
  explicit Window(IPMUnknown* boss) : CPMUnknown(boss) {}

  void SetTitle(const PMString& title) override { fTitle = title; }
  PMString GetTitle() const override { return fTitle; }

 private:
  PMString fTitle;
};

HostClassRegistrar gWidgetImplementations([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<ControlView>(kControlViewImpl));
  model.RegisterImplementation(MakeHostFactory<WidgetParent>(kWidgetParentImpl));
  model.RegisterImplementation(MakeHostFactory<PanelControlData>(kPanelControlDataImpl));
  model.RegisterImplementation(MakeHostFactory<TextControlData>(kTextControlDataImpl));
  model.RegisterImplementation(MakeHostFactory<StringListControlData>(kStringListControlDataImpl));
  model.RegisterImplementation(
      MakeHostFactory<DropDownListController>(kDropDownListControllerImpl));
  model.RegisterImplementation(MakeHostFactory<TriStateControlData>(kTriStateControlDataImpl));
  model.RegisterImplementation(MakeHostFactory<Window>(kWindowImpl));
});

}  // namespace
