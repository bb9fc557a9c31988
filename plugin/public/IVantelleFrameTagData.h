// The tag data that the plug-in attaches to page items, and the parameter block of its set-data
// command: four key fields, a number and a record list (a memory block of the session's memory
// service holding a TagRecordList), plus a text that is never stored. Another plug-in reads a
// page item's tag data through this interface and changes it only through the set-data command
// (VantelleCommandIDs.h), so that the change is undoable and saved with the document.
#pragma once

#include "IPMUnknown.h"
#include "PMString.h"

class IVantelleFrameTagData : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x182903 };

  virtual void SetTransientText(const PMString& text) = 0;
  virtual const PMString& GetTransientText() const = 0;
  virtual const PMString& GetKeyField1() const = 0;
  virtual void SetKeyField1(const PMString& text) = 0;
  virtual const PMString& GetKeyField2() const = 0;
  virtual void SetKeyField2(const PMString& text) = 0;
  virtual const PMString& GetKeyField3() const = 0;
  virtual void SetKeyField3(const PMString& text) = 0;
  virtual const PMString& GetKeyField4() const = 0;
  virtual void SetKeyField4(const PMString& text) = 0;
  // "<" key1 "_" key2 "_" key3 "_" key4 ">", built afresh on every call.
  virtual const PMString& GetCompositeKey() = 0;
  virtual void SetTagNumber(const int32& number) = 0;
  virtual const int32& GetTagNumber() const = 0;
  virtual uint32 GetRecordListSize() const = 0;
  // The held record list itself, not a copy; null when there is none.
  virtual void* GetRecordList() const = 0;
  // A fresh copy of the held list that the caller frees; null without a list or memory.
  virtual void* CopyRecordList() const = 0;
  // Takes ownership of the block (null clears the list).
  virtual void SetRecordList(void* list) = 0;
  // Sets the four key fields, the number and the list (whose ownership passes) at once.
  virtual void SetAll(const PMString& key1, const PMString& key2, const PMString& key3,
                      const PMString& key4, const int32& number, void* list) = 0;

  ~IVantelleFrameTagData() override = default;
};
