// Request 1350: the user assigns or edits a page item's data frame through the Tag Data Frame
// dialog, and the whole assignment is one undo step named after what it did.
#include "CmdUtils.h"
#include "dataframe/lookup/DataFrameHeaderLookup.h"
#include "tagdata/AssignDataFrame.h"
#include "ui/ModuleRequestFlows.h"
#include "ui/TagDataFrameDialog.h"
#include "ui/VantelleDialogs.h"

int32 EditDataFrameRequest(const ModuleRequestParams* params) {
  if (!params || !params->arg1) return kSuccess;
  const UIDRef target = *static_cast<const UIDRef*>(params->arg1);
  if (target == kInvalidUIDRef) return kSuccess;
  TagDataFrameDialogState& state = gTagDataFrameDialogState;
  state.target = target;
  if (!OpenVantelleDialog(kTagDataFrameDialogViewID, IDialog::kMovableModal, kTrue)) {
    return kSuccess;
  }
  if (state.outcome == kTagDataFrameDialogCancelled) return kSuccess;

  // A failed assignment is undone whole, so that the item is as it was and the result says so;
  // so is one that memory running out ends with an exception.
  struct SequenceEnd {
    ICommandSequence* sequence;
    bool succeeded = false;
    ~SequenceEnd() {
      if (succeeded) {
        CmdUtils::EndCommandSequence(sequence);
      } else {
        CmdUtils::AbortCommandSequence(sequence);
      }
    }
  } end{CmdUtils::BeginCommandSequence()};  // null: no step, no name
  if (end.sequence) {
    PMString name, frameID;
    end.sequence->SetName(CheckDataFrame(target, nullptr, nullptr, name, frameID)
                              ? PMString("0x182900kVantelleEditDataFrameCommandKey")
                              : PMString("0x182900kVantelleAssignDataFrameCommandKey"));
  }
  const ErrorCode result = AssignDataFrame(target, state.type, state.scope, state.frameID, 0,
                                           state.name, kTrue, kFalse, kFalse, state.comment);
  end.succeeded = result == kSuccess;
  return static_cast<int16>(result);
}
