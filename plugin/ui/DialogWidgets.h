// Reading and writing the widgets of the plug-in's dialogs. Each operation takes the dialog's
// panel and a widget ID and finds the widget anywhere below the panel; a missing panel, widget
// or interface makes a write do nothing and a read answer as each says.
#pragma once

#include "IPanelControlData.h"
#include "ITriStateControlData.h"
#include "PMString.h"

// The widget's text; empty without one.
PMString ReadWidgetText(IPanelControlData* panel, WidgetID widget);
void WriteWidgetText(IPanelControlData* panel, WidgetID widget, const PMString& text);

// The index of the list's selected item; -1 without one.
int32 ReadWidgetSelection(IPanelControlData* panel, WidgetID widget);
// Selects the item at the index, but only in a list that has at least one item.
void WriteWidgetSelection(IPanelControlData* panel, WidgetID widget, int32 index);

// The check box's state; 1 (mixed) without a panel or check box.
int32 ReadWidgetCheckState(IPanelControlData* panel, WidgetID widget);
void WriteWidgetCheckState(IPanelControlData* panel, WidgetID widget,
                           ITriStateControlData::TriState state);

void EnableWidget(IPanelControlData* panel, WidgetID widget, bool16 enable);
