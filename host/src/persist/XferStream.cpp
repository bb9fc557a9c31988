#include "XferStream.h"

#include <cstring>

IPMUnknown* XferStream::QueryInterface(PMIID interfaceID) const {
  if (interfaceID != IPMStream::kDefaultIID) return nullptr;
  AddRef();
  return const_cast<XferStream*>(this);
}

void XferStream::Release() const {
  if (--fRefCount == 0) delete this;
}

IPMStream::StreamState XferStream::GetStreamState() const {
  if (fFailed) return kStreamStateFailure;
  return fReading && AtEnd() ? kStreamStateEOF : kStreamStateGood;
}

bool XferStream::Transfer(uint8* buffer, size_t count) {
  if (count == 0) return !fFailed;
  if (!fFailed) {
    if (fReading ? ReadBytes(buffer, count) == count : WriteBytes(buffer, count)) return true;
    fFailed = true;
  }
  if (fReading) std::memset(buffer, 0, count);
  return false;
}

template <class Unsigned>
void XferStream::XferUnsigned(Unsigned& value) {
  uint8 bytes[sizeof(Unsigned)];
  if (!fReading) {
    for (size_t i = 0; i < sizeof(Unsigned); ++i) {
      bytes[i] = static_cast<uint8>(value >> (8 * (sizeof(Unsigned) - 1 - i)));
    }
  }
  Transfer(bytes, sizeof bytes);
  if (fReading) {
    Unsigned read = 0;
    for (uint8 b : bytes) read = static_cast<Unsigned>((read << 8) | b);
    value = read;
  }
}

void XferStream::XferByte(uint8& value) {
  Transfer(&value, 1);
}

void XferStream::XferBool(bool16& value) {
  uint8 byte = value ? 1 : 0;
  Transfer(&byte, 1);
  if (fReading) value = byte ? kTrue : kFalse;
}

void XferStream::XferInt16(uint16& value) {
  XferUnsigned(value);
}
void XferStream::XferInt32(uint32& value) {
  XferUnsigned(value);
}

void XferStream::XferInt16(int16& value) {
  auto bits = static_cast<uint16>(value);
  XferUnsigned(bits);
  value = static_cast<int16>(bits);
}

void XferStream::XferInt32(int32& value) {
  auto bits = static_cast<uint32>(value);
  XferUnsigned(bits);
  value = static_cast<int32>(bits);
}

void XferStream::XferInt64(int64& value) {
  auto bits = static_cast<uint64>(value);
  XferUnsigned(bits);
  value = static_cast<int64>(bits);
}

void XferStream::XferReal(PMReal& value) {
  uint64 bits;
  std::memcpy(&bits, &value, sizeof bits);
  XferUnsigned(bits);
  std::memcpy(&value, &bits, sizeof bits);
}

int32 XferStream::XferByte(uint8* buffer, int32 count) {
  if (!buffer || count <= 0) return 0;
  if (!fReading) return Transfer(buffer, static_cast<size_t>(count)) ? count : 0;
  // A run is read as far as the stream goes: the rest is zeroed and the stream fails.
  const size_t wanted = static_cast<size_t>(count);
  const size_t read = fFailed ? 0 : ReadBytes(buffer, wanted);
  if (read < wanted) {
    fFailed = true;
    std::memset(buffer + read, 0, wanted - read);
  }
  return static_cast<int32>(read);
}
