// The tag data kept in memory only: the parameter block of the set-data command. The persistent
// kind on page items (VantelleFrameTagDataPersist) adds PreDirty and storage on top of it.
#pragma once

#include "CPMUnknown.h"
#include "IVantelleFrameTagData.h"
#include "dataframe/memory/MemBlocks.h"

class VantelleFrameTagData : public CPMUnknown<IVantelleFrameTagData> {
 public:
  explicit VantelleFrameTagData(IPMUnknown* boss);
  ~VantelleFrameTagData() override;
  VantelleFrameTagData(const VantelleFrameTagData&) = delete;
  VantelleFrameTagData& operator=(const VantelleFrameTagData&) = delete;

  void SetTransientText(const PMString& text) override;
  const PMString& GetTransientText() const override { return fTransientText; }
  const PMString& GetKeyField1() const override { return fKeyField1; }
  void SetKeyField1(const PMString& text) override { Assign(fKeyField1, text); }
  const PMString& GetKeyField2() const override { return fKeyField2; }
  void SetKeyField2(const PMString& text) override { Assign(fKeyField2, text); }
  const PMString& GetKeyField3() const override { return fKeyField3; }
  void SetKeyField3(const PMString& text) override { Assign(fKeyField3, text); }
  const PMString& GetKeyField4() const override { return fKeyField4; }
  void SetKeyField4(const PMString& text) override { Assign(fKeyField4, text); }
  const PMString& GetCompositeKey() override;
  void SetTagNumber(const int32& number) override { fTagNumber = number; }
  const int32& GetTagNumber() const override { return fTagNumber; }
  uint32 GetRecordListSize() const override { return fRecordListSize; }
  void* GetRecordList() const override { return fRecordList; }
  void* CopyRecordList() const override;
  void SetRecordList(void* list) override;
  void SetAll(const PMString& key1, const PMString& key2, const PMString& key3,
              const PMString& key4, const int32& number, void* list) override;

 protected:
  static void Assign(PMString& field, const PMString& text) {
    if (&field != &text) field = text;
  }
  // Whether SetAll with these arguments would leave everything as it is; the very block held
  // counts as unchanged, an equal copy does not.
  bool16 WouldChangeNothing(const PMString& key1, const PMString& key2, const PMString& key3,
                            const PMString& key4, int32 number, MemBlock list) const;

  // First, beside the object's header: a walk over every page item of a document asks each for
  // its record list and touches nothing else of it.
  MemBlock fRecordList = nullptr;
  // Equals the held block's size; 0 when none is held.
  uint32 fRecordListSize = 0;
  int32 fTagNumber = 0;
  PMString fTransientText;
  PMString fKeyField1;
  PMString fKeyField2;
  PMString fKeyField3;
  PMString fKeyField4;
  PMString fCompositeKey;
};
