// The Tag Data Frame dialog (view 251): the user's choice of type, scope, frame ID, name and hint
// comment for one page item. Request 1350 sets the target, opens the dialog and, after OK,
// composes the data frame from what the dialog left in the process-wide state.
#pragma once

#include "IPanelControlData.h"
#include "PMString.h"
#include "UIDRef.h"
#include "dataframe/DataFrameTypes.h"

constexpr uint16 kTagDataFrameDialogOK = 0;
constexpr uint16 kTagDataFrameDialogCancelled = 1;

// Kept between uses of the dialog: where the next target carries no data frame, the dialog
// starts from the values last confirmed or last read from a data frame.
struct TagDataFrameDialogState {
  UIDRef target = kInvalidUIDRef;
  uint16 outcome = kTagDataFrameDialogOK;
  DataFrameType type = kDataFrameTypeLabels;
  DataFrameScope scope = kDataFrameScopeFrame;
  PMString frameID;
  PMString name;
  uint16 comment = 0;  // 1: the new text gets the entry hint comment
};

// The one state of the process, made with the library.
extern TagDataFrameDialogState gTagDataFrameDialogState;

// Widgets of view 251. A list's item index is the enumeration value of its type or scope.
constexpr WidgetID kTagDataFrameTypeWidgetID = 0x182916;
constexpr WidgetID kTagDataFrameScopeWidgetID = 0x182918;
constexpr WidgetID kTagDataFrameFrameIDWidgetID = 0x18291A;
constexpr WidgetID kTagDataFrameNameWidgetID = 0x18291C;
constexpr WidgetID kTagDataFrameCommentWidgetID = 0x182922;

// The scope rule, at initialisation and on every change of the type list: the pellow type fixes
// the scope to item 0 (frame) and greys the scope list; every other type, the shared pellow
// among them, leaves the list free.
void ApplyTagDataFrameScopeRule(IPanelControlData* panel);
