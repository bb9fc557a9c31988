// The text a data frame gets when it is assigned: the header line and, when asked for, the
// type's entry hint comment, each ended by CR LF. The user types the entries below.
//
//   <dataframe type="pellow" scope="page" name="Prices" match_frame_id="true"/>\r\n
//   <!-- Optional: Enter one Label,Value or Label:Value per line -->\r\n
#pragma once

#include "PMString.h"
#include "WideString.h"
#include "dataframe/DataFrameTypes.h"

// The attributes appear in this order: type, scope, name (when not empty, written as it stands,
// nothing escaped), then for types 4 and 5 only the three match attributes that are asked for.
// A type or scope outside its enumeration is written "unknown" and has no hint.
WideString ComposeDataFrameText(DataFrameType type, DataFrameScope scope, const PMString& name,
                                bool16 matchFrameID, bool16 matchGroup, bool16 matchName,
                                bool16 entryHint);
