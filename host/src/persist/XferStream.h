// The common body of the host's streams: every Xfer call reduces to moving raw bytes, with
// integers and reals in big-endian order. Subclasses only say where the bytes come from or go.
#pragma once

#include "IPMStream.h"

class XferStream : public IPMStream {
 public:
  IPMUnknown* QueryInterface(PMIID interfaceID) const override;
  void AddRef() const override { ++fRefCount; }
  void Release() const override;

  bool16 IsReading() const override { return fReading ? kTrue : kFalse; }
  bool16 IsWriting() const override { return fReading ? kFalse : kTrue; }

  void XferByte(uint8& value) override;
  void XferBool(bool16& value) override;
  void XferInt16(int16& value) override;
  void XferInt16(uint16& value) override;
  void XferInt32(int32& value) override;
  void XferInt32(uint32& value) override;
  void XferInt64(int64& value) override;
  void XferReal(PMReal& value) override;
  int32 XferByte(uint8* buffer, int32 count) override;

  StreamState GetStreamState() const override;
  void Flush() override {}
  void Close() override {}

 protected:
  explicit XferStream(bool reading) : fReading(reading) {}
  ~XferStream() override = default;

  // Reads up to count bytes; answers how many there were.
  virtual size_t ReadBytes(uint8* buffer, size_t count) = 0;
  // Writes all count bytes; answers false when they could not be written.
  virtual bool WriteBytes(const uint8* buffer, size_t count) = 0;
  // Whether a reading stream has no byte left.
  virtual bool AtEnd() const = 0;

  void Fail() { fFailed = true; }

 private:
  // Moves exactly count bytes; a short read zeroes the buffer and fails the stream for good.
  bool Transfer(uint8* buffer, size_t count);
  template <class Unsigned>
  void XferUnsigned(Unsigned& value);

  bool fReading;
  bool fFailed = false;
  mutable int32 fRefCount = 1;
};
