// A stream that reads or writes values one field per call. The same ReadWrite code serves both
// directions: each Xfer call reads into its argument when reading and writes it when writing.
// Integers are stored big-endian. A read past the end leaves the value zero and puts the stream
// into its failed state, which it keeps.
#pragma once

#include "IPMUnknown.h"

class IPMStream : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700010 };
  enum StreamState { kStreamStateGood = 0, kStreamStateEOF = 1, kStreamStateFailure = 2 };

  virtual bool16 IsReading() const = 0;
  virtual bool16 IsWriting() const = 0;

  virtual void XferByte(uint8& value) = 0;
  virtual void XferBool(bool16& value) = 0;
  virtual void XferInt16(int16& value) = 0;
  virtual void XferInt16(uint16& value) = 0;
  virtual void XferInt32(int32& value) = 0;
  virtual void XferInt32(uint32& value) = 0;
  virtual void XferInt64(int64& value) = 0;
  virtual void XferReal(PMReal& value) = 0;
  // A run of bytes; answers how many were transferred. A read that meets the end takes the bytes
  // there are, zeroes the rest of the buffer and fails the stream.
  virtual int32 XferByte(uint8* buffer, int32 count) = 0;

  virtual StreamState GetStreamState() const = 0;
  virtual void Flush() = 0;
  virtual void Close() = 0;
};
