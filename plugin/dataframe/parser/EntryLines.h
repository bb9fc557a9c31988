// The line-level operations of the data frame body: cutting the text into entry lines, splitting
// a line into label and value at its separator, and removing the escapes of separators.
#pragma once

#include "PMString.h"

// The next non-empty line at or after the cursor, as a new string the caller deletes, or null
// when no line is left. The cursor moves past the line and its break. A line break is a CR or an
// LF; a CR and an LF next to each other, in either order, are one break.
PMString* NextEntryLine(const PMString& text, int32& cursor);

// Splits a line at its separator: the first ":" not preceded by a backslash, or, when there is
// none, the first such ",". Without a separator the label is the whole line and the value
// "Missing Value". Escaped separators in both lose their backslash.
void SplitEntryLine(const PMString& line, PMString& label, PMString& value);

// Removes the escape in front of each occurrence of escape + separator found from start, as long
// as the occurrence lies before end (a position in the string as it shrinks). Answers the number
// of escapes removed; 0 when the string or the separator is empty.
int32 RemoveSeparatorEscapes(PMString& string, const PMString& escape, const PMString& separator,
                             int32 start, int32 end);
