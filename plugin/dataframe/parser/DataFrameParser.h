// The data frame text parser: free of host calls beyond strings and memory blocks.
#pragma once

#include "dataframe/parser/EntryParser.h"
#include "dataframe/parser/HeaderReader.h"
