// A dialog's view as a plug-in's resources hold it (type 'VIEW'): the class of the view itself
// (the plug-in's dialog class, derived from kDialogBoss), its bounds and window title, and its
// widgets in order, each with its kind, ID, bounds and texts; a panel holds widgets of its own.
//
// The stored form is what ReadWrite moves through a host stream (integers big-endian, texts as
// PMString stores them): format version, class, bounds, title, widgets; a widget is its kind,
// ID, bounds, texts (a count, then each) and children (a count, then each).
#pragma once

#include <string>
#include <vector>

#include "PMRect.h"
#include "PMString.h"
#include "WidgetIDs.h"

enum class WidgetKind : uint8 {
  kPanel = 1,
  kStaticText = 2,
  kTextField = 3,
  kDropDownList = 4,
  kCheckBox = 5,
  kButton = 6,
};

struct WidgetResource {
  WidgetKind kind = WidgetKind::kStaticText;
  WidgetID id = kDefaultWidgetId;
  PMRect bounds;
  // A list's items; for every other kind one text: a label, a field's first content, a panel's
  // title.
  std::vector<PMString> texts;
  // A panel's widgets; other kinds hold none.
  std::vector<WidgetResource> children;
};

struct ViewResource {
  ClassID viewClass = kInvalidClass;
  PMRect bounds;
  PMString title;
  std::vector<WidgetResource> widgets;

  std::string Encode() const;
  // Answers false, with the reason in error, for bytes that are not a well-formed view: a short
  // or overlong form, an unknown kind, a kind with the wrong number of texts, children outside a
  // panel, panels nested deeper than kMaxPanelDepth.
  static bool Decode(const std::string& bytes, ViewResource* view, std::string* error);

  static constexpr int kMaxPanelDepth = 8;
};

// The names by which resource sources give the kinds: "panel", "static", "field", "list",
// "check", "button".
const char* WidgetKindName(WidgetKind kind);
bool WidgetKindFromName(const std::string& name, WidgetKind* kind);
// The widget class that makes a widget of the kind, and the kind a widget class makes (false
// for a class of no kind).
ClassID WidgetKindClass(WidgetKind kind);
bool WidgetKindOfClass(ClassID widgetClass, WidgetKind* kind);
