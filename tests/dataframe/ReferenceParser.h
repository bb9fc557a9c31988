// A direct transcription of the data frame reading algorithms with the host's string operations:
// comments searched again from the start after every cut, CR and LF searched separately for every
// line, one removal per escape. Quadratic in places, and kept that way: it is what the parser's
// linear versions are checked against.
#pragma once

#include <string>

#include "PMString.h"

namespace Reference {

// The header's attributes: the literals tried one after the other by substring search over the
// whole text, the name found as the first name=" not preceded by "_".
void ReadHeaderAttributes(const PMString& text, int16* type, int16* scope, PMString& name);
// The whole parse; the block's bytes, or nothing when the head could not be had.
std::string ParseDataFrameEntries(PMString& text, int16 type);

}  // namespace Reference
