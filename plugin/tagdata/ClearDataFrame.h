// Turning a data frame back into an ordinary text frame: its marker record is deleted, the
// plug-in's adornments are detached, the data frame look is reset and its text is deleted.
#pragma once

#include "UIDRef.h"

// Answers a host error code: 1, changing nothing, when the marker cannot be deleted; otherwise
// the percentage step's code, whatever the later steps do. A frame without a marker is cleared
// all the same; a frame that is no text frame keeps its content.
ErrorCode ClearDataFrame(const UIDRef& target);
