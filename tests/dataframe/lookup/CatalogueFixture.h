// A started host with the plug-in and a document of two spreads of two pages each, in which tests
// place text frames, groups and data frames (text frames that carry the data frame marker).
#pragma once

#include <string>

#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/DataFrameTypes.h"
#include "dataframe/lookup/DataFrameEntries.h"
#include "dataframe/memory/MemBlocks.h"
#include "support/DocumentTest.h"
#include "support/PlugInHostTest.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagRecordSource.h"

class CatalogueFixture : public DocumentTest<PlugInHostTest> {
 protected:
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
        parent, "frame",
        std::string("<dataframe type=\"") + type + "\" scope=\"" + scope + "\"/>\r" + body);
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
};
