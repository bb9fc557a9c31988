// The header of a data frame as the tools print it.
#pragma once

#include <string>

#include "PMString.h"
#include "dataframe/DataFrameTypes.h"

// type=T scope=S name="…", the numbers in decimal and the name JSON-escaped.
std::string HeaderText(DataFrameType type, DataFrameScope scope, const PMString& name);
