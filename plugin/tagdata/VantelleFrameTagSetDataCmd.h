// The undoable command through which a page item's tag data changes. Callers fill the command's
// own IVantelleFrameTagData, set its item list and process it; Do copies the data onto every
// item's persistent tag data, whose setters record the old state for undo.
#pragma once

#include "Command.h"

class VantelleFrameTagSetDataCmd : public Command {
 public:
  explicit VantelleFrameTagSetDataCmd(IPMUnknown* boss) : Command(boss) {}

  bool16 LowMemIsOK() const override { return kFalse; }
  ~VantelleFrameTagSetDataCmd() override = default;
  void Do() override;
  // Announces the change once, for the first item: to its observers and document-wide.
  void DoNotify() override;
  PMString* CreateName() override;
};
