// What the plug-in calls each data frame type and scope when it reports them to callers and
// shows them to users.
#pragma once

#include "PMString.h"
#include "dataframe/DataFrameTypes.h"

// Sets name to the type's display name ("Vantelle Labels", …); "Unknown" for values outside the
// enumeration. The names are plain text, not string keys.
void DataFrameTypeDisplayName(DataFrameType type, PMString& name);
// Sets name to the scope's display name ("Frame", "Page", …); "Unknown" outside the enumeration.
void DataFrameScopeDisplayName(DataFrameScope scope, PMString& name);
