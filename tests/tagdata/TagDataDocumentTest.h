// A plug-in host test with one open document of one page, in which frames are made
// through the host's commands, and the tag data of its items is read and written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "IVantelleFrameTagData.h"
#include "InterfacePtr.h"
#include "UIDList.h"
#include "database/Database.h"
#include "support/PlugInHostTest.h"

class TagDataDocumentTest : public PlugInHostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  IDataBase* Db() const { return fDocument.get(); }
  Database& Document() const { return *fDocument; }
  // A frame on the first page; the frame's own step is forgotten so that tests see only theirs.
  UIDRef NewFrame(const std::string& name);
  InterfacePtr<IVantelleFrameTagData> TagData(const UIDRef& item) const {
    return InterfacePtr<IVantelleFrameTagData>(item);
  }
  // The item's record list as hex ("null" when it holds none).
  std::string ListHexOf(const UIDRef& item) const;
  // Saves the document and opens it again in its place.
  void SaveAndReopen();
  // The bytes that the item's persistent tag data stores, through its registered read/write
  // function, and reading such bytes back into it.
  std::vector<uint8> StoredBytes(const UIDRef& item) const;
  bool ReadStoredBytes(const UIDRef& item, const std::vector<uint8>& bytes) const;

 private:
  std::unique_ptr<Database> fDocument;
};
