// A started host with the plug-in and a document of two spreads of two pages each, in which tests
// place text frames, groups and data frames (text frames that carry the data frame marker).
#pragma once

#include <memory>
#include <string>

#include "IPageList.h"
#include "ISpreadList.h"
#include "InterfacePtr.h"
#include "database/Database.h"
#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/DataFrameTypes.h"
#include "dataframe/lookup/DataFrameEntries.h"
#include "dataframe/memory/MemBlocks.h"
#include "document/DocumentFactory.h"
#include "document/LayoutCommands.h"
#include "support/PlugInHostTest.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagRecordSource.h"

class CatalogueFixture : public PlugInHostTest {
 protected:
  void SetUp() override {
    PlugInHostTest::SetUp();
    fDB = DocumentFactory::NewDocument(2, 2);
    ASSERT_TRUE(fDB);
  }
  void TearDown() override {
    fDB.reset();
    PlugInHostTest::TearDown();
  }

  IDataBase* DB() const { return fDB.get(); }
  UIDRef Ref(UID uid) const { return UIDRef(fDB.get(), uid); }

  // Page n counted from 0 across the document: pages 0 and 1 lie on spread 0, 2 and 3 on spread 1.
  UID Page(int32 index) const {
    InterfacePtr<IPageList> pages(DB(), DB()->GetRootUID(), IID_IPAGELIST);
    return pages->GetNthPageUID(index);
  }
  UID Spread(int32 index) const {
    InterfacePtr<ISpreadList> spreads(DB(), DB()->GetRootUID(), IID_ISPREADLIST);
    return spreads->GetNthSpreadUID(index);
  }

  // A text frame on a page, or on a spread's pasteboard when parent is a spread.
  UID TextFrame(UID parent, const std::string& text = "") const {
    WideString story;
    story.SetUTF8String(text);
    return LayoutCommands::NewFrame(Ref(parent), PMRect(0, 0, 100, 50), PMString("frame"), kTrue,
                                    story)
        .GetUID();
  }
  UID GraphicFrame(UID parent) const {
    return LayoutCommands::NewFrame(Ref(parent), PMRect(0, 0, 10, 10), PMString("graphic"), kFalse,
                                    WideString())
        .GetUID();
  }
  UID Group(std::initializer_list<UID> members) const {
    UIDList items(DB());
    for (UID uid : members) items.Append(uid);
    return LayoutCommands::GroupItems(items, PMString("group")).GetUID();
  }

  // Gives the item the data frame marker, as the plug-in writes it, with a UTF-8 frame ID.
  void Mark(UID item, const std::string& frameID = "F") const {
    ASSERT_TRUE(WriteTagRecord(Ref(item), kTagRecordSourceItem, kDataFrameMarkerKey,
                               NewDataFrameMarker(DataFrameTest::Text(frameID), 0),
                               kDataFrameMarkerSize));
  }
  // A marked text frame whose story is the header line of the type and scope keywords, then the
  // body.
  UID DataFrame(UID parent, const char* type, const char* scope, const std::string& body) const {
    const UID frame = TextFrame(
        parent, std::string("<dataframe type=\"") + type + "\" scope=\"" + scope + "\"/>\r" + body);
    Mark(frame);
    return frame;
  }

  // The entries that apply to the target, as "label=value" words in block order; the block is
  // freed here, as its receiver must.
  std::string Entries(UID target, DataFrameType type = kDataFrameTypeLabels) const {
    MemBlock block = nullptr;
    uint32 size = 0;
    EXPECT_EQ(GetDataFrameEntries(Ref(target), type, &block, &size), kSuccess);
    return EntryWords(block, size);
  }

  // The entries of a block as "label=value" words; frees the block.
  static std::string EntryWords(MemBlock block, uint32 size) {
    if (!block) return "no block";
    EXPECT_EQ(size, MemBlockSize(block));
    const std::string bytes(static_cast<const char*>(block), size);
    FreeMemBlock(block);
    std::string words;
    for (const DataFrameTest::Entry& entry : DataFrameTest::EntriesOf(bytes)) {
      if (!words.empty()) words += ' ';
      words += entry.first + "=" + entry.second;
    }
    return words;
  }

  std::unique_ptr<Database> fDB;
};
