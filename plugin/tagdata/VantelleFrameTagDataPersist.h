// The tag data that page items carry and documents store. Every setter that changes something
// calls PreDirty first, so that the host records the old state for undo and marks the document
// changed; setting a field to the value it has changes nothing and records nothing.
#pragma once

#include "tagdata/VantelleFrameTagData.h"

class IPMStream;

class VantelleFrameTagDataPersist : public VantelleFrameTagData {
 public:
  explicit VantelleFrameTagDataPersist(IPMUnknown* boss) : VantelleFrameTagData(boss) {}

  void SetTransientText(const PMString& text) override;
  void SetKeyField1(const PMString& text) override { SetKeyField(fKeyField1, text); }
  void SetKeyField2(const PMString& text) override { SetKeyField(fKeyField2, text); }
  void SetKeyField3(const PMString& text) override { SetKeyField(fKeyField3, text); }
  void SetKeyField4(const PMString& text) override { SetKeyField(fKeyField4, text); }
  void SetTagNumber(const int32& number) override;
  // Always recorded, even for the block already held.
  void SetRecordList(void* list) override;
  void SetAll(const PMString& key1, const PMString& key2, const PMString& key3,
              const PMString& key4, const int32& number, void* list) override;

  // Stored: tag number, key fields 1 to 4, record list size, record list bytes. The transient
  // text and the composite key are not.
  void ReadWrite(IPMStream* stream, ImplementationID implementation);

 private:
  void SetKeyField(PMString& field, const PMString& text);
};
