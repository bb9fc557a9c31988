// PMString's stored form: a 32-bit count of UTF-16 code units, then each unit as 16 bits.
#include "IPMStream.h"
#include "PMString.h"

void PMString::ReadWrite(IPMStream* stream) {
  if (!stream) return;
  if (stream->IsWriting()) {
    auto count = static_cast<uint32>(fText.size());
    stream->XferInt32(count);
    for (textchar unit : fText) {
      auto bits = static_cast<uint16>(unit);
      stream->XferInt16(bits);
    }
    return;
  }
  uint32 count = 0;
  stream->XferInt32(count);
  fText.clear();
  // The count is not trusted for an allocation: units are taken as they come, and a stream that
  // runs out ends the text.
  for (uint32 i = 0; i < count; ++i) {
    uint16 unit = 0;
    stream->XferInt16(unit);
    if (stream->GetStreamState() == IPMStream::kStreamStateFailure) break;
    fText.push_back(static_cast<textchar>(unit));
  }
}
