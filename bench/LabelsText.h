// Generated labels data frame text of a chosen number of lines, for the benchmarks.
#pragma once

#include "PMString.h"

// A header line, then lines of about 30 characters: a mix of ":" and "," separators, escaped
// separators, blanks around labels and values, comment lines, comments inside lines and the odd
// empty line, with CR LF breaks. The same count always gives the same text.
PMString MakeLabelsText(int lines);
