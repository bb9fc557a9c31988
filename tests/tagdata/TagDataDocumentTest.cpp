#include "tagdata/TagDataDocumentTest.h"

#include "IDFile.h"
#include "IPageList.h"
#include "PMRect.h"
#include "WideString.h"
#include "document/DocumentFactory.h"
#include "document/LayoutCommands.h"
#include "persist/DocumentFile.h"
#include "tagdata/PartBytes.h"
#include "tagdata/TagRecordBytes.h"

void TagDataDocumentTest::SetUp() {
  PlugInHostTest::SetUp();
  fDocument = DocumentFactory::NewDocument(1, 1);
  ASSERT_TRUE(fDocument);
}

void TagDataDocumentTest::TearDown() {
  fDocument.reset();
  PlugInHostTest::TearDown();
}

UIDRef TagDataDocumentTest::NewFrame(const std::string& name) {
  InterfacePtr<IPageList> pages(Db(), Db()->GetRootUID(), IID_IPAGELIST);
  const UIDRef page(Db(), pages->GetNthPageUID(0));
  const UIDRef frame = LayoutCommands::NewFrame(page, PMRect(10, 10, 100, 100),
                                                PMString(name.c_str()), kTrue, WideString());
  fDocument->ClearHistory();
  return frame;
}

std::string TagDataDocumentTest::ListHexOf(const UIDRef& item) const {
  return HexOfBlock(TagData(item)->GetRecordList());
}

void TagDataDocumentTest::SaveAndReopen() {
  const IDFile file = IDFile::FromUTF8("/document.vdoc");
  std::string error;
  ASSERT_TRUE(DocumentFile::Save(*fDocument, file, &error)) << error;
  fDocument.reset();
  fDocument = DocumentFactory::OpenDocument(file, &error);
  ASSERT_TRUE(fDocument) << error;
}

std::vector<uint8> TagDataDocumentTest::StoredBytes(const UIDRef& item) const {
  return ::StoredBytes(TagData(item), IVantelleFrameTagData::kDefaultIID);
}

bool TagDataDocumentTest::ReadStoredBytes(const UIDRef& item,
                                          const std::vector<uint8>& bytes) const {
  return ::ReadStoredBytes(TagData(item), IVantelleFrameTagData::kDefaultIID, bytes);
}
