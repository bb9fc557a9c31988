// The plug-in's preferences of one document, on the document's workspace: two 16-bit settings
// and the document's own TagRecordList. Setters are undoable and mark the document changed.
#pragma once

#include "IPMUnknown.h"

class IPMStream;

class IVantelleDocPrefs : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x182902 };

  virtual uint16 GetOption1() const = 0;
  virtual void SetOption1(uint16 value) = 0;
  virtual uint16 GetOption2() const = 0;
  virtual void SetOption2(uint16 value) = 0;
  // A fresh copy of the document's record list that the caller frees; null when there is none.
  virtual void* GetTagData() const = 0;
  // Stores a copy of the block (null clears); the caller keeps its block.
  virtual void SetTagData(void* block) = 0;
  ~IVantelleDocPrefs() override = default;
  virtual void ReadWrite(IPMStream* stream, ImplementationID implementation) = 0;
};
