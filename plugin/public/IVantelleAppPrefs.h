// The plug-in's application-wide preferences, on the session's workspace: one block of bytes,
// kept across sessions with the workspace.
#pragma once

#include "IPMUnknown.h"

class IPMStream;

class IVantelleAppPrefs : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x182901 };

  // Stores a copy of the block (null clears); the caller keeps its block.
  virtual void SetData(void* block) = 0;
  // A fresh copy of the stored block that the caller frees; null when there is none.
  virtual void* GetData() const = 0;
  ~IVantelleAppPrefs() override = default;
  virtual void ReadWrite(IPMStream* stream, ImplementationID implementation) = 0;
};
