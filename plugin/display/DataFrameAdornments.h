// The plug-in's two page-item adornments, which a data frame carries: they are attached and
// detached together, always in the same order, each through the host's undoable command.
#pragma once

#include "UIDRef.h"

// The adornment classes, as the plug-in's resources define them.
constexpr ClassID kVantelleDataFrameAdornmentBoss = 0x182905;  // the data frame's icon
constexpr ClassID kVantelleTextAdornmentBoss = 0x182906;       // the frame ID slug

// Attach both classes to the item, then detach both. A command that cannot be made is skipped;
// the results of the commands are not checked.
void AttachDataFrameAdornments(const UIDRef& item);
void DetachDataFrameAdornments(const UIDRef& item);
