// Reading the header of a data frame's text: typographic quotes made straight, the type, scope and
// name attributes found by exact substring search, and the body that follows the header.
#pragma once

#include "PMString.h"
#include "dataframe/DataFrameTypes.h"

// Replaces every closing typographic double quote (the character the 8-bit byte 0xD3 decodes to)
// by a straight one, so that a header typed with typographer's quotes still matches.
void StraightenQuotes(PMString& text);

// Reads the attributes from the whole (straightened) text. A type or scope that is asked for
// (pointer not null) is set only when one of its literals occurs; the caller sets -1 before. The
// name is set only when a name attribute closes before the first "/>"; otherwise it is left as
// given.
void ReadHeaderAttributes(const PMString& text, DataFrameType* type, DataFrameScope* scope,
                          PMString& name);

// Where the body begins: after the first "/>" that follows the first "<dataframe"; at 0, the
// whole text, when either is missing.
int32 DataFrameBodyStart(const PMString& text);
