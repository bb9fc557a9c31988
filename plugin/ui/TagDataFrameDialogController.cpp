// The Tag Data Frame dialog's controller: fills the widgets from the target's data frame or from
// the state, names the window after what OK will do, insists on a frame ID, and hands the choice
// back through the state.
#include "CAlert.h"
#include "CDialogController.h"
#include "IWidgetParent.h"
#include "IWindow.h"
#include "InterfacePtr.h"
#include "dataframe/lookup/DataFrameHeaderLookup.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"
#include "ui/DialogWidgets.h"
#include "ui/TagDataFrameDialog.h"

namespace {

class TagDataFrameDialogController : public CDialogController {
 public:
  explicit TagDataFrameDialogController(IPMUnknown* boss) : CDialogController(boss) {}

  void InitializeDialogFields() override {
    CDialogController::InitializeDialogFields();
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    if (!panel) return;
    TagDataFrameDialogState& state = gTagDataFrameDialogState;
    const bool16 targetValid = state.target != kInvalidUIDRef;
    bool16 isDataFrame = kFalse;
    if (targetValid) {
      PMString name, frameID;
      isDataFrame = CheckDataFrame(state.target, nullptr, nullptr, name, frameID);
    }
    InterfacePtr<IWidgetParent> parent(this, IWidgetParent::kDefaultIID);
    InterfacePtr<IWindow> window(
        static_cast<IWindow*>(parent ? parent->QueryParentFor(IWindow::kDefaultIID) : nullptr));
    if (!window) return;
    window->SetTitle(isDataFrame ? PMString("0x182900kVantelleEditDataFrameCommandKey")
                                 : PMString("0x182900kVantelleAssignDataFrameCommandKey"));
    if (targetValid) {
      CheckDataFrame(state.target, &state.type, &state.scope, state.name, state.frameID);
    }
    WriteWidgetText(panel, kTagDataFrameFrameIDWidgetID, state.frameID);
    WriteWidgetSelection(panel, kTagDataFrameTypeWidgetID, state.type);
    WriteWidgetSelection(panel, kTagDataFrameScopeWidgetID, state.scope);
    WriteWidgetText(panel, kTagDataFrameNameWidgetID, state.name);
    WriteWidgetCheckState(
        panel, kTagDataFrameCommentWidgetID,
        state.comment > 0 ? ITriStateControlData::kSelected : ITriStateControlData::kUnselected);
    ApplyTagDataFrameScopeRule(panel);
  }

  WidgetID ValidateDialogFields() override {
    const WidgetID failing = CDialogController::ValidateDialogFields();
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    if (ReadWidgetText(panel, kTagDataFrameFrameIDWidgetID).IsEmpty()) {
      CAlert::ErrorAlert(PMString("0x182900kTagDataFrameFrameIDFieldEmptyErrorKey"));
      return kTagDataFrameFrameIDWidgetID;
    }
    return failing;
  }

  void ApplyDialogFields() override {
    InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
    if (!panel) return;
    TagDataFrameDialogState& state = gTagDataFrameDialogState;
    state.frameID = ReadWidgetText(panel, kTagDataFrameFrameIDWidgetID);
    state.type = static_cast<DataFrameType>(ReadWidgetSelection(panel, kTagDataFrameTypeWidgetID));
    state.scope =
        static_cast<DataFrameScope>(ReadWidgetSelection(panel, kTagDataFrameScopeWidgetID));
    state.name = ReadWidgetText(panel, kTagDataFrameNameWidgetID);
    state.comment =
        ReadWidgetCheckState(panel, kTagDataFrameCommentWidgetID) == ITriStateControlData::kSelected
            ? 1
            : 0;
    state.outcome = kTagDataFrameDialogOK;
  }

  void UserCancelled() override { gTagDataFrameDialogState.outcome = kTagDataFrameDialogCancelled; }
};

}  // namespace

CREATE_PMINTERFACE(TagDataFrameDialogController, kTagDataFrameDialogControllerImpl);
