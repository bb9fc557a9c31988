#include "StreamFields.h"

namespace {

bool Good(IPMStream* stream) {
  return stream->GetStreamState() != IPMStream::kStreamStateFailure;
}

// Transfers the count of a list; when reading, answers the count the stream claims, 0 for a
// negative one.
int32 XferCount(IPMStream* stream, size_t size) {
  int32 count = static_cast<int32>(size);
  stream->XferInt32(count);
  return count < 0 ? 0 : count;
}

}  // namespace

namespace StreamFields {

void XferUIDs(IPMStream* stream, std::vector<UID>& uids) {
  const int32 count = XferCount(stream, uids.size());
  if (stream->IsWriting()) {
    for (UID& uid : uids) stream->XferInt32(uid);
    return;
  }
  uids.clear();
  for (int32 i = 0; i < count && Good(stream); ++i) {
    UID uid = kInvalidUID;
    stream->XferInt32(uid);
    if (Good(stream)) uids.push_back(uid);
  }
}

void XferUnits(IPMStream* stream, std::u16string& text) {
  const int32 count = XferCount(stream, text.size());
  if (stream->IsWriting()) {
    for (char16_t& unit : text) {
      uint16 value = unit;
      stream->XferInt16(value);
    }
    return;
  }
  text.clear();
  for (int32 i = 0; i < count && Good(stream); ++i) {
    uint16 value = 0;
    stream->XferInt16(value);
    if (Good(stream)) text.push_back(static_cast<char16_t>(value));
  }
}

void XferRect(IPMStream* stream, PMRect& rect) {
  PMReal left = rect.Left(), top = rect.Top(), right = rect.Right(), bottom = rect.Bottom();
  stream->XferReal(left);
  stream->XferReal(top);
  stream->XferReal(right);
  stream->XferReal(bottom);
  if (stream->IsReading()) rect = PMRect(left, top, right, bottom);
}

void XferMatrix(IPMStream* stream, PMMatrix& matrix) {
  PMReal v[] = {matrix.A(),
                matrix.B(),
                matrix.C(),
                matrix.D(),
                matrix.GetXTranslation(),
                matrix.GetYTranslation()};
  for (PMReal& value : v) stream->XferReal(value);
  if (stream->IsReading()) matrix = PMMatrix(v[0], v[1], v[2], v[3], v[4], v[5]);
}

}  // namespace StreamFields
