#include "ui/TagDataFrameDialog.h"

#include "ui/DialogWidgets.h"

TagDataFrameDialogState gTagDataFrameDialogState;

void ApplyTagDataFrameScopeRule(IPanelControlData* panel) {
  if (ReadWidgetSelection(panel, kTagDataFrameTypeWidgetID) != kDataFrameTypePellow) {
    EnableWidget(panel, kTagDataFrameScopeWidgetID, kTrue);
    return;
  }
  WriteWidgetSelection(panel, kTagDataFrameScopeWidgetID, kDataFrameScopeFrame);
  EnableWidget(panel, kTagDataFrameScopeWidgetID, kFalse);
}
