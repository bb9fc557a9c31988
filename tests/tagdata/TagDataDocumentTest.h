// A plug-in host test with one open document, in which frames are made through the host's
// commands, and the tag data of its items is read and written.
#pragma once

#include <string>
#include <vector>

#include "IDFile.h"
#include "IVantelleFrameTagData.h"
#include "persist/DocumentFile.h"
#include "support/DocumentTest.h"
#include "support/PlugInHostTest.h"
#include "tagdata/PartBytes.h"
#include "tagdata/TagRecordBytes.h"

class TagDataDocumentTest : public DocumentTest<PlugInHostTest> {
 protected:
  // A frame on the first page; the frame's own step is forgotten so that tests see only theirs.
  UIDRef NewFrame(const char* name) {
    const UIDRef frame = Ref(TextFrame(Page(0), name));
    Doc().ClearHistory();
    return frame;
  }
  InterfacePtr<IVantelleFrameTagData> TagData(const UIDRef& item) const {
    return InterfacePtr<IVantelleFrameTagData>(item);
  }
  // The item's record list as hex ("null" when it holds none).
  std::string ListHexOf(const UIDRef& item) const {
    return HexOfBlock(TagData(item)->GetRecordList());
  }
  // Saves the document and opens it again in its place.
  void SaveAndReopen() {
    const IDFile file = IDFile::FromUTF8("/document.vdoc");
    std::string error;
    ASSERT_TRUE(DocumentFile::Save(Doc(), file, &error)) << error;
    fDB.reset();
    fDB = DocumentFactory::OpenDocument(file, &error);
    ASSERT_TRUE(fDB) << error;
  }
  // The bytes that the item's persistent tag data stores, through its registered read/write
  // function, and reading such bytes back into it.
  std::vector<uint8> StoredBytes(const UIDRef& item) const {
    return ::StoredBytes(TagData(item), IVantelleFrameTagData::kDefaultIID);
  }
  bool ReadStoredBytes(const UIDRef& item, const std::vector<uint8>& bytes) const {
    return ::ReadStoredBytes(TagData(item), IVantelleFrameTagData::kDefaultIID, bytes);
  }
};
