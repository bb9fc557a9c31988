// Identifiers of the host's user-interface layer: the classes of dialogs and widgets, the
// changes widgets announce to their observers, and the widget IDs of a dialog's standard
// buttons. The interfaces carry their own IDs (kDefaultIID).
#pragma once

#include "BaseType.h"

// A dialog's view, the root panel of its widgets. A plug-in derives its dialog classes from it
// and adds its IDialogController and IObserver.
constexpr ClassID kDialogBoss = 0x700601;
// The window around a dialog's view: IWindow and IDialog.
constexpr ClassID kDialogWindowBoss = 0x700602;
// Widgets, one class per kind a view resource names.
constexpr ClassID kPanelWidgetBoss = 0x700603;
constexpr ClassID kStaticTextWidgetBoss = 0x700604;
constexpr ClassID kTextEditBoxWidgetBoss = 0x700605;
constexpr ClassID kDropDownListWidgetBoss = 0x700606;
constexpr ClassID kCheckBoxWidgetBoss = 0x700607;
constexpr ClassID kButtonWidgetBoss = 0x700608;

// The widget ID that names no widget: what a validation answers when every field is valid, and
// the ID of widgets that need none (labels).
constexpr WidgetID kDefaultWidgetId = 0;
// The standard buttons, which the dialog observer's base class handles.
constexpr WidgetID kOKButtonWidgetID = 1;
constexpr WidgetID kCancelButtonWidgetID = 2;

// The protocol under which a button announces that it was pressed.
constexpr PMIID IID_IBOOLEANCONTROLDATA = 0x700610;

// What a widget announces to the observers of its subject, under the protocol of the interface
// whose data changed.
constexpr ClassID kTrueStateMessage = 0x700611;         // a button pressed, a check box set on
constexpr ClassID kFalseStateMessage = 0x700612;        // a check box set off or mixed
constexpr ClassID kTextChangeStateMessage = 0x700613;   // a text replaced
constexpr ClassID kPopupChangeStateMessage = 0x700614;  // a list's selection changed
