// Fields of the document model's stored state that take more than one stream call. When reading,
// entries are taken only while the stream delivers them, so that a damaged count can never make
// the reader allocate more than the stream holds.
#pragma once

#include <string>
#include <vector>

#include "IPMStream.h"
#include "PMMatrix.h"
#include "PMRect.h"
#include "UIDRef.h"

namespace StreamFields {

void XferUIDs(IPMStream* stream, std::vector<UID>& uids);
void XferUnits(IPMStream* stream, std::u16string& text);
void XferRect(IPMStream* stream, PMRect& rect);
void XferMatrix(IPMStream* stream, PMMatrix& matrix);

}  // namespace StreamFields
