// The plug-in's application-wide preferences: one block of bytes on the session's workspace, kept
// with the workspace across sessions. Changes run in a transaction of the session workspace's
// database after PreDirty.
#pragma once

#include "CPMUnknown.h"
#include "IVantelleAppPrefs.h"
#include "prefs/PrefsDataBlock.h"

class VantelleAppPrefs : public CPMUnknown<IVantelleAppPrefs> {
 public:
  explicit VantelleAppPrefs(IPMUnknown* boss) : CPMUnknown<IVantelleAppPrefs>(boss) {}

  void SetData(void* block) override;
  void* GetData() const override { return fData.Copy(); }
  // Stored: the block's byte count, then its bytes.
  void ReadWrite(IPMStream* stream, ImplementationID implementation) override;

 private:
  PrefsDataBlock fData;
};
