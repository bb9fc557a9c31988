// Making a text frame a data frame in one call: its marker record is written into the frame's
// tag data, the plug-in's adornments are attached, the frame takes the look of its type, and its
// text is replaced by a freshly composed header (DataFrameComposer.h). Callers that want one undo
// step for all of it run the call inside a command sequence.
#pragma once

#include "PMString.h"
#include "UIDRef.h"
#include "dataframe/DataFrameTypes.h"

// Answers a host error code. 1, changing nothing, for the invalid reference, when the marker
// cannot be allocated or its write fails. Once the marker is written nothing undoes it: the
// answer is then the percentage step's code, or the text insertion's when the frame has a story.
// Assigning a data frame again replaces its marker (which moves to the end of the record list),
// its look and its whole text.
ErrorCode AssignDataFrame(const UIDRef& target, DataFrameType type, DataFrameScope scope,
                          const PMString& frameID, int16 slugPosition, const PMString& name,
                          bool16 matchFrameID, bool16 matchGroup, bool16 matchName,
                          bool16 entryHint);
