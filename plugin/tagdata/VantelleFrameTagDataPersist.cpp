#include "tagdata/VantelleFrameTagDataPersist.h"

#include <utility>

#include "IPMStream.h"
#include "dataframe/memory/MemBlockStream.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"

void VantelleFrameTagDataPersist::SetTransientText(const PMString& text) {
  if (text == fTransientText) return;
  PreDirty();
  Assign(fTransientText, text);
  fTransientText.SetTranslatable(kFalse);
}

void VantelleFrameTagDataPersist::SetKeyField(PMString& field, const PMString& text) {
  if (text == field) return;
  PreDirty();
  Assign(field, text);
}

void VantelleFrameTagDataPersist::SetTagNumber(const int32& number) {
  if (number == fTagNumber) return;
  PreDirty();
  fTagNumber = number;
}

void VantelleFrameTagDataPersist::SetRecordList(void* list) {
  // The block passes to the object even when the change cannot be recorded (PreDirty throws
  // once memory runs out).
  OwnedMemBlock handed(list != fRecordList ? list : nullptr);
  PreDirty();
  handed.release();
  VantelleFrameTagData::SetRecordList(list);
}

void VantelleFrameTagDataPersist::SetAll(const PMString& key1, const PMString& key2,
                                         const PMString& key3, const PMString& key4,
                                         const int32& number, void* list) {
  if (WouldChangeNothing(key1, key2, key3, key4, number, list)) return;
  // The block passes to the object even when the change cannot be recorded (PreDirty throws
  // once memory runs out).
  OwnedMemBlock handed(list != fRecordList ? list : nullptr);
  PreDirty();
  handed.release();
  VantelleFrameTagData::SetAll(key1, key2, key3, key4, number, list);
}

void VantelleFrameTagDataPersist::ReadWrite(IPMStream* stream, ImplementationID) {
  stream->XferInt32(fTagNumber);
  fKeyField1.ReadWrite(stream);
  fKeyField2.ReadWrite(stream);
  fKeyField3.ReadWrite(stream);
  fKeyField4.ReadWrite(stream);
  stream->XferInt32(fRecordListSize);
  if (stream->IsReading()) {
    FreeMemBlock(std::exchange(fRecordList, nullptr));
    // Size 0 is what an item without a list stores, so it reads back as no list: undo and reopen
    // give back exactly that state. A list whose bytes are missing or cannot be held is dropped
    // whole, and the object says so with size 0.
    fRecordList = fRecordListSize > 0 ? ReadMemBlock(stream, fRecordListSize) : nullptr;
    if (!fRecordList) fRecordListSize = 0;
  } else {
    WriteMemBlock(stream, fRecordList);
  }
}

CREATE_PERSIST_PMINTERFACE(VantelleFrameTagDataPersist, kVantelleFrameTagDataPersistImpl);
