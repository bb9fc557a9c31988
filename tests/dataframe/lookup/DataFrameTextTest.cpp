// Reading frames: story ranges, the bodies that data frames contribute, their headers and the
// data frame test.
#include <cstring>

#include "dataframe/lookup/CatalogueFixture.h"
#include "dataframe/lookup/DataFrameHeaderLookup.h"
#include "dataframe/lookup/FrameStoryText.h"

namespace {

using DataFrameTest::Text;

class DataFrameTextTest : public CatalogueFixture {
 protected:
  std::string Story(UID frame, int32 start, int32 count) const {
    PMString text("left over");
    ReadFrameStoryText(Ref(frame), text, start, count);
    return text.GetUTF8String();
  }
  // The bodies of the frames as a bucket of the walk holds them.
  std::string Bodies(std::initializer_list<UID> frames) const {
    std::vector<GatheredDataFrame> bucket;
    for (UID uid : frames) {
      bucket.push_back({uid, PMString()});
      ReadStraightenedStory(Ref(uid), bucket.back().text);
    }
    PMString text("before|");
    AppendDataFrameBodies(bucket, text);
    return text.GetUTF8String();
  }
};

TEST_F(DataFrameTextTest, AStoryIsReadFromAStartInsideItUpToItsFinalCharacter) {
  const UID frame =
      TextFrame(Page(0), "frame", "abcdef");  // the story is "abcdef" and its final CR
  const struct {
    int32 start, count;
    const char* text;
  } cases[] = {
      {0, 0, "abcdef"}, {2, 0, "cdef"}, {2, 3, "cde"},     {2, 99, "cdef"},         {5, 1, "f"},
      {6, 1, "a"},      {-1, 2, "ab"},  {0, -5, "abcdef"}, {1, INT32_MAX, "bcdef"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Story(frame, c.start, c.count), c.text) << c.start << "," << c.count;
  }
  EXPECT_EQ(Story(TextFrame(Page(0), "frame", "a\xF0\x9F\x98\x80z"), 0, 0), "a\xF0\x9F\x98\x80z")
      << "characters beyond 16 bits arrive whole";
  EXPECT_EQ(Story(TextFrame(Page(0)), 0, 0), "");
  EXPECT_EQ(Story(GraphicFrame(Page(0)), 0, 0), "");
  EXPECT_EQ(Story(Group({TextFrame(Page(0), "frame", "member")}), 0, 0), "");
  EXPECT_EQ(Story(999999, 0, 0), "");
}

TEST_F(DataFrameTextTest, ABodyIsWhatFollowsTheHeaderOrTheWholeTextWithoutOne) {
  const struct {
    const char* what;
    const char* story;
    const char* body;
  } cases[] = {
      {"header and lines", "<dataframe type=\"labels\"/>\ra:1\rb:2", "\ra:1\rb:2"},
      {"text ending with />", "<dataframe type=\"labels\" scope=\"page\"/>", ""},
      {"no <dataframe", "type=\"labels\"\ra:1", "type=\"labels\"\ra:1"},
      {"no /> after <dataframe", "x/> <dataframe type=\"labels\">\ra:1",
       "x/> <dataframe type=\"labels\">\ra:1"},
      {"text before the header", "note\r<dataframe/>tail", "tail"},
      {"the first closer after the opener", "pre <dataframe/>a/>b", "a/>b"},
      {"a closer anywhere after the opener", "<dataframe type=\"labels\">\rA:1/>B", "B"},
      {"the opener in another case", "<Dataframe/>A", "<Dataframe/>A"},
      {"typographic quotes", "<dataframe/>\r\xE2\x80\x9Cq\xE2\x80\x9D:1", "\r\xE2\x80\x9Cq\":1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Bodies({TextFrame(Page(0), "frame", c.story)}), std::string("before|") + c.body)
        << c.what;
  }
  const UID first = TextFrame(Page(0), "frame", "<dataframe/>\ra:1");
  const UID empty = TextFrame(Page(0));
  const UID second = TextFrame(Page(0), "frame", "<dataframe/>\rb:2");
  EXPECT_EQ(Bodies({first, empty, GraphicFrame(Page(0)), second}), "before|\ra:1\rb:2")
      << "bodies are joined with nothing between them";
}

TEST_F(DataFrameTextTest, AHeaderIsReadFromTheStraightenedStory) {
  const UID frame = TextFrame(Page(0), "frame",
                              "<dataframe type=\xE2\x80\x9Dindex\xE2\x80\x9D scope=\"spread\" "
                              "match_name=\"true\" name=\"Prices\"/>\ra:1");
  DataFrameType type = 99;
  DataFrameScope scope = 99;
  PMString name;
  EXPECT_EQ(ReadDataFrameHeader(Ref(frame), &type, &scope, name), kTrue);
  EXPECT_EQ(type, kDataFrameTypeIndex);
  EXPECT_EQ(scope, kDataFrameScopeSpread);
  EXPECT_EQ(name, PMString("Prices"));
}

TEST_F(DataFrameTextTest, AHeaderWithNothingToReadLeavesWhatItMust) {
  const struct {
    const char* what;
    UIDRef frame;
    bool asked;
    DataFrameType type;
    DataFrameScope scope;
  } cases[] = {
      {"invalid reference", kInvalidUIDRef, true, 99, 99},
      {"empty story", Ref(TextFrame(Page(0))), true, -1, -1},
      {"no story", Ref(GraphicFrame(Page(0))), true, -1, -1},
      {"neither type nor scope asked for", Ref(TextFrame(Page(0), "frame", "name=\"N\"/>")), false,
       99, 99},
  };
  for (const auto& c : cases) {
    DataFrameType type = 99;
    DataFrameScope scope = 99;
    PMString name("kept");
    EXPECT_EQ(
        ReadDataFrameHeader(c.frame, c.asked ? &type : nullptr, c.asked ? &scope : nullptr, name),
        kTrue)
        << c.what;
    EXPECT_EQ(type, c.type) << c.what;
    EXPECT_EQ(scope, c.scope) << c.what;
    EXPECT_EQ(name, PMString("kept")) << c.what;
  }
}

TEST_F(DataFrameTextTest, OnlyAMarkedItemIsADataFrame) {
  const std::string header = "<dataframe type=\"pellow\" scope=\"document\" name=\"Shelf\"/>";
  const UID plain = TextFrame(Page(0), "frame", header);
  DataFrameType type = 99;
  DataFrameScope scope = 99;
  PMString name("name");
  PMString frameID("id");
  EXPECT_EQ(CheckDataFrame(Ref(plain), &type, &scope, name, frameID), kFalse);
  EXPECT_EQ(CheckDataFrame(kInvalidUIDRef, &type, &scope, name, frameID), kFalse);
  EXPECT_EQ(type, 99);
  EXPECT_EQ(scope, 99);
  EXPECT_EQ(name, PMString("name"));
  EXPECT_EQ(frameID, PMString("id"));

  const UID marked = TextFrame(Page(0), "frame", header);
  Mark(marked, "SKU-\xC3\xA9");
  EXPECT_EQ(CheckDataFrame(Ref(marked), &type, &scope, name, frameID), kTrue);
  EXPECT_EQ(type, kDataFrameTypePellow);
  EXPECT_EQ(scope, kDataFrameScopeDocument);
  EXPECT_EQ(name, PMString("Shelf"));
  EXPECT_EQ(frameID, Text("SKU-\xC3\xA9"));

  PMString untouched("untouched");
  PMString id;
  EXPECT_EQ(CheckDataFrame(Ref(marked), nullptr, nullptr, untouched, id), kTrue);
  EXPECT_EQ(id, Text("SKU-\xC3\xA9"));
  EXPECT_EQ(untouched, PMString("untouched")) << "the name is read only with a type or scope";
}

TEST_F(DataFrameTextTest, AMarkerPayloadOfAnyLengthIsReadWithinItsBytes) {
  const struct {
    std::string payload;
    const char* frameID;
  } cases[] = {
      {std::string("\x01\x00", 2), ""},
      {std::string("\x01\x00"
                   "ABC",
                   5),
       "ABC"},
      {std::string("\x01\x00"
                   "AB\0CD",
                   7),
       "AB"},
      {std::string(), ""},
  };
  for (const auto& c : cases) {
    const UID frame = TextFrame(Page(0), "frame", "<dataframe type=\"labels\"/>");
    MemBlock payload = NewMemBlock(static_cast<uint32>(c.payload.size()));
    std::memcpy(payload, c.payload.data(), c.payload.size());
    ASSERT_TRUE(WriteTagRecord(Ref(frame), kTagRecordSourceItem, kDataFrameMarkerKey, payload,
                               static_cast<uint32>(c.payload.size())));
    DataFrameType type = 99;
    PMString name;
    PMString frameID("before");
    EXPECT_EQ(CheckDataFrame(Ref(frame), &type, nullptr, name, frameID), kTrue);
    EXPECT_EQ(frameID, PMString(c.frameID));
    EXPECT_EQ(type, kDataFrameTypeLabels);
  }
}

}  // namespace
