// What the plug-in calls each data frame type and scope when it reports them to callers and
// shows them to users.
#pragma once

#include "PMString.h"
#include "UIDRef.h"
#include "dataframe/DataFrameTypes.h"

// Sets name to the type's display name ("Vantelle Labels", …); "Unknown" for values outside the
// enumeration. The names are plain text, not string keys.
void DataFrameTypeDisplayName(DataFrameType type, PMString& name);
// Sets name to the scope's display name ("Frame", "Page", …); "Unknown" outside the enumeration.
void DataFrameScopeDisplayName(DataFrameScope scope, PMString& name);

// The swatch that data frames of a type are filled with, created in a document under its name the
// first time it is needed: process colour fractions from 0 to 1 and the fill tint in percent.
struct DataFrameTypeSwatch {
  const char* name;
  PMReal cyan;
  PMReal magenta;
  PMReal yellow;
  PMReal black;
  PMReal fillTint;
};

// The type's swatch; null outside the enumeration.
const DataFrameTypeSwatch* FindDataFrameTypeSwatch(DataFrameType type);

class IDataBase;

// The UID of the type's swatch in the document, found by its name or else made as a process
// swatch of the table's colour; 0 without a database, for a type outside the enumeration or when
// the host could not make it. The tint, when given, receives the type's fill tint whenever the
// type has a swatch, and is left alone otherwise.
UID FindOrCreateTypeSwatch(IDataBase* db, DataFrameType type, PMReal* tint);
