// The document walk: which data frames apply to a target by scope and place, in which bucket
// order, found inside groups, and which frames never count.
#include "dataframe/lookup/CatalogueFixture.h"
#include "dataframe/lookup/DataFrameGathering.h"

namespace {

class DataFrameGatheringTest : public CatalogueFixture {
 protected:
  // The frames of each bucket.
  struct Buckets {
    UIDList document, spread, page;
  };
  Buckets Gather(UID target, DataFrameType type = kDataFrameTypeLabels) const {
    DataFrameBuckets gathered;
    GatherDataFrames(Ref(target), type, gathered);
    Buckets b{UIDList(DB()), UIDList(DB()), UIDList(DB())};
    for (auto [from, to] :
         {std::pair{&gathered.document, &b.document}, std::pair{&gathered.spread, &b.spread},
          std::pair{&gathered.page, &b.page}}) {
      for (const GatheredDataFrame& frame : *from) to->Append(frame.frame);
    }
    return b;
  }
  UIDList List(std::initializer_list<UID> uids) const {
    UIDList list(DB());
    for (UID uid : uids) list.Append(uid);
    return list;
  }
};

TEST_F(DataFrameGatheringTest, EachScopeAppliesToTheTargetsItsPlaceCovers) {
  DataFrame(Page(3), "labels", "document", "doc:D");
  DataFrame(Page(1), "labels", "spread", "spread1:S1");
  DataFrame(Page(2), "labels", "spread", "spread2:S2");
  const UID page1 = DataFrame(Page(0), "labels", "page", "page1:P1");
  DataFrame(Page(2), "labels", "page", "page3:P3");

  const UID inner = TextFrame(Page(2));
  const UID outer = Group({Group({inner, TextFrame(Page(2))}), TextFrame(Page(2))});
  const struct {
    const char* where;
    UID target;
    const char* entries;
  } cases[] = {
      {"page 1", TextFrame(Page(0)), "doc=D spread1=S1 page1=P1"},
      {"page 2", TextFrame(Page(1)), "doc=D spread1=S1"},
      {"page 3", TextFrame(Page(2)), "doc=D spread2=S2 page3=P3"},
      {"page 4", TextFrame(Page(3)), "doc=D spread2=S2"},
      {"pasteboard of spread 1", TextFrame(Spread(0)), "doc=D"},
      {"pasteboard of spread 2", TextFrame(Spread(1)), "doc=D"},
      {"inside a group inside a group on page 3", inner, "doc=D spread2=S2 page3=P3"},
      {"a group on page 3", outer, "doc=D spread2=S2 page3=P3"},
      {"a data frame itself", page1, "doc=D spread1=S1 page1=P1"},
  };
  for (const auto& c : cases) EXPECT_EQ(Entries(c.target), c.entries) << c.where;
}

TEST_F(DataFrameGatheringTest, BucketsStandInScopeOrderAndWithinOneInDocumentOrder) {
  const UID target = TextFrame(Page(2));
  const UID page = DataFrame(Page(2), "labels", "page", "p:3");
  const UID spread = DataFrame(Page(3), "labels", "spread", "s:2");
  const UID docLater = DataFrame(Page(3), "labels", "document", "d2:4");
  const UID docEarlier = DataFrame(Page(0), "labels", "document", "d1:1");

  EXPECT_EQ(Entries(target), "d1=1 d2=4 s=2 p=3");
  const Buckets b = Gather(target);
  EXPECT_EQ(b.document, List({docEarlier, docLater}));
  EXPECT_EQ(b.spread, List({spread}));
  EXPECT_EQ(b.page, List({page}));
}

TEST_F(DataFrameGatheringTest, FramesInsideGroupsFollowThePagesItemsAndPasteboardFramesNeverCount) {
  const UID nested = DataFrame(Page(0), "labels", "document", "nested:1");
  const UID grouped = DataFrame(Page(0), "labels", "document", "grouped:2");
  Group({Group({nested, TextFrame(Page(0))}), grouped});
  const UID direct = DataFrame(Page(0), "labels", "document", "direct:3");
  DataFrame(Spread(0), "labels", "document", "pasteboard:4");

  EXPECT_EQ(Gather(TextFrame(Page(1))).document, List({direct, nested, grouped}));
}

TEST_F(DataFrameGatheringTest, OnlyMarkedFramesOfTheTypeAndOfPageSpreadOrDocumentScopeCount) {
  const UID target = TextFrame(Page(0));
  const struct {
    const char* what;
    const char* text;
    bool marked;
  } cases[] = {
      {"the right header without the marker", "<dataframe type=\"labels\" scope=\"page\"/>\ra:1",
       false},
      {"another type", "<dataframe type=\"index\" scope=\"page\"/>\ra:1", true},
      {"scope frame", "<dataframe type=\"labels\" scope=\"frame\"/>\ra:1", true},
      {"scope global", "<dataframe type=\"labels\" scope=\"global\"/>\ra:1", true},
      {"scope unknown", "<dataframe type=\"labels\" scope=\"unknown\"/>\ra:1", true},
      {"no scope", "<dataframe type=\"labels\"/>\ra:1", true},
      {"no text", "", true},
  };
  UIDList typed(DB());
  for (const auto& c : cases) {
    const UID frame = TextFrame(Page(0), "frame", c.text);
    if (c.marked) Mark(frame);
    if (c.marked && c.text == cases[1].text) typed.Append(frame);
    const Buckets b = Gather(target);
    EXPECT_TRUE(b.document.IsEmpty() && b.spread.IsEmpty() && b.page.IsEmpty()) << c.what;
  }
  Mark(GraphicFrame(Page(0)));
  EXPECT_EQ(Entries(target), "");
  EXPECT_EQ(Gather(target, kDataFrameTypeIndex).page, typed)
      << "the frame of another type is gathered when its own type is asked for";
}

TEST_F(DataFrameGatheringTest, AFrameWithoutATypeAnswersOnlyARequestForTheUnknownType) {
  const UID target = TextFrame(Page(0));
  const UID untyped = TextFrame(Page(0), "frame", "<dataframe scope=\"page\"/>\ra:1");
  Mark(untyped);
  EXPECT_TRUE(Gather(target).page.IsEmpty());
  EXPECT_EQ(Gather(target, kDataFrameTypeUnknown).page, List({untyped}));
}

TEST_F(DataFrameGatheringTest, TheTargetsPageIsThatOfItsOutermostOwner) {
  const UID onPage3 = TextFrame(Page(2));
  const UID member = TextFrame(Page(3));
  Group({Group({member, TextFrame(Page(3))})});
  const struct {
    const char* where;
    UIDRef target;
    UID page;
    int32 spread;
  } cases[] = {
      {"page 3", Ref(onPage3), Page(2), 1},
      {"nested group member on page 4", Ref(member), Page(3), 1},
      {"page 1", Ref(TextFrame(Page(0))), Page(0), 0},
      {"pasteboard", Ref(TextFrame(Spread(1))), kInvalidUID, -1},
      {"invalid reference", kInvalidUIDRef, kInvalidUID, -1},
      {"a UID that is no object", Ref(999999), kInvalidUID, -1},
  };
  for (const auto& c : cases) {
    UID page = 12345;
    int32 spread = 7;
    LocateTargetPage(c.target, page, spread);
    EXPECT_EQ(page, c.page) << c.where;
    EXPECT_EQ(spread, c.spread) << c.where;
  }
}

TEST_F(DataFrameGatheringTest, FlatteningKeepsHierarchyOrderDepthFirstAndOnlyFrames) {
  const UID a = TextFrame(Page(0));
  const UID b = GraphicFrame(Page(0));
  const UID c = TextFrame(Page(0));
  const UID d = TextFrame(Page(0));
  const UID group = Group({a, Group({b, Group({c})}), d});
  UIDList list = List({42});
  FlattenGroupInto(Ref(group), list);
  EXPECT_EQ(list, List({42, a, b, c, d}));

  UIDList unchanged = List({42});
  FlattenGroupInto(Ref(a), unchanged);
  FlattenGroupInto(kInvalidUIDRef, unchanged);
  EXPECT_EQ(unchanged, List({42}));
}

}  // namespace
