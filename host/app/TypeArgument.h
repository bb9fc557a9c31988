// The --type argument of the tools that read data frame text.
#pragma once

#include <string>

#include "dataframe/DataFrameTypes.h"

// A type keyword (labels, index, …), or a decimal number that fits 16 bits; false for any other
// word.
bool ReadTypeArgument(const std::string& word, DataFrameType& type);
