// Reading a frame's data frame header, and telling whether a page item is a data frame.
#pragma once

#include "PMString.h"
#include "UIDRef.h"
#include "dataframe/DataFrameTypes.h"

// Replaces text by the frame's whole story but its final character, with its typographic closing
// quotes straightened: the text that a data frame's header and body are read from.
void ReadStraightenedStory(const UIDRef& frame, PMString& text);

// Reads type, scope and name from the header of the frame's story text. Always answers 1. For the
// invalid reference nothing is touched. Otherwise the given type and scope are set to -1 first;
// when neither is asked for (both null) the name is not read. An empty story leaves type and
// scope at -1 and the name as it was; a name is set only when the header gives one.
bool16 ReadDataFrameHeader(const UIDRef& frame, DataFrameType* type, DataFrameScope* scope,
                           PMString& name);

// Answers 1 when the page item carries the data frame marker, and then sets the frame ID from
// the marker and type, scope and name as ReadDataFrameHeader does. Answers 0, touching nothing,
// for any other item.
bool16 CheckDataFrame(const UIDRef& frame, DataFrameType* type, DataFrameScope* scope,
                      PMString& name, PMString& frameID);
