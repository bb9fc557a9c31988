#include "tagdata/VantelleFrameTagData.h"

#include <cstring>

#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"

VantelleFrameTagData::VantelleFrameTagData(IPMUnknown* boss)
    : CPMUnknown<IVantelleFrameTagData>(boss) {}

VantelleFrameTagData::~VantelleFrameTagData() {
  FreeMemBlock(fRecordList);
}

void VantelleFrameTagData::SetTransientText(const PMString& text) {
  Assign(fTransientText, text);
}

const PMString& VantelleFrameTagData::GetCompositeKey() {
  fCompositeKey.Clear();
  fCompositeKey.Append("<");
  fCompositeKey.Append(fKeyField1);
  fCompositeKey.Append("_");
  fCompositeKey.Append(fKeyField2);
  fCompositeKey.Append("_");
  fCompositeKey.Append(fKeyField3);
  fCompositeKey.Append("_");
  fCompositeKey.Append(fKeyField4);
  fCompositeKey.Append(">");
  return fCompositeKey;
}

void* VantelleFrameTagData::CopyRecordList() const {
  if (!fRecordList) return nullptr;
  // The block's own size, not the size field: the copy is of what is actually held.
  const uint32 size = MemBlockSize(fRecordList);
  MemBlock copy = NewMemBlock(size);
  if (copy && size > 0) std::memcpy(copy, fRecordList, size);
  return copy;
}

void VantelleFrameTagData::SetRecordList(void* list) {
  if (fRecordList && fRecordList != list) FreeMemBlock(fRecordList);
  fRecordList = list;
  fRecordListSize = list ? MemBlockSize(list) : 0;
}

// The block is taken first: a key field that cannot be copied (memory ran out) must not leave
// the block without an owner.
void VantelleFrameTagData::SetAll(const PMString& key1, const PMString& key2, const PMString& key3,
                                  const PMString& key4, const int32& number, void* list) {
  VantelleFrameTagData::SetRecordList(list);
  fTagNumber = number;
  Assign(fKeyField1, key1);
  Assign(fKeyField2, key2);
  Assign(fKeyField3, key3);
  Assign(fKeyField4, key4);
}

bool16 VantelleFrameTagData::WouldChangeNothing(const PMString& key1, const PMString& key2,
                                                const PMString& key3, const PMString& key4,
                                                int32 number, MemBlock list) const {
  return key1 == fKeyField1 && key2 == fKeyField2 && key3 == fKeyField3 && key4 == fKeyField4 &&
         number == fTagNumber && list == fRecordList;
}

CREATE_PMINTERFACE(VantelleFrameTagData, kVantelleFrameTagDataImpl);
