// The plug-in's preferences of one document, kept on the document's workspace and saved with the
// document. Every change runs in a transaction of the document's database after PreDirty, so it
// is undoable and marks the document changed.
#pragma once

#include "CPMUnknown.h"
#include "IVantelleDocPrefs.h"
#include "prefs/PrefsDataBlock.h"

class VantelleDocPrefs : public CPMUnknown<IVantelleDocPrefs> {
 public:
  explicit VantelleDocPrefs(IPMUnknown* boss) : CPMUnknown<IVantelleDocPrefs>(boss) {}

  uint16 GetOption1() const override { return fOption1; }
  void SetOption1(uint16 value) override { SetOption(fOption1, value); }
  uint16 GetOption2() const override { return fOption2; }
  void SetOption2(uint16 value) override { SetOption(fOption2, value); }
  void* GetTagData() const override { return fTagData.Copy(); }
  void SetTagData(void* block) override;
  // Stored: option 1, option 2, the tag data's byte count, its bytes.
  void ReadWrite(IPMStream* stream, ImplementationID implementation) override;

 private:
  void SetOption(uint16& option, uint16 value);

  uint16 fOption1 = 0;
  uint16 fOption2 = 1;
  PrefsDataBlock fTagData;
};
