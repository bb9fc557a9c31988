// Documents made by the host's commands survive a save and an open; files whose layout is out of
// shape are refused.
#include <algorithm>

#include "IGeometry.h"
#include "IHierarchy.h"
#include "ITextFrameColumn.h"
#include "persist/Crc32.h"
#include "persist/DocumentFile.h"
#include "persist/DocumentFormat.h"
#include "support/DocumentTest.h"
#include "support/HostTest.h"

namespace {

using LayoutFileTest = DocumentTest<HostTest>;

// What every part stores comes back byte for byte (names, groups and stories are checked by name
// in the session script files.vts); here, also the bounds.
TEST_F(LayoutFileTest, GroupsNamesBoundsAndStoriesSurviveSaveAndOpen) {
  UID a = TextFrame(Page(0), "A", "caf\xC3\xA9 \xF0\x9F\x98\x80");
  UID b = GraphicFrame(Page(0), "B");
  UID p = TextFrame(Spread(0), "P");
  Group({Group({a, b}, "Inner"), p}, "Outer");
  TextFrame(Page(3), "Z", "z");

  const IDFile file = IDFile::FromUTF8("/doc.vtd");
  std::string error;
  ASSERT_TRUE(DocumentFile::Save(*fDB, file, &error)) << error;
  EXPECT_FALSE(DB()->IsModified());
  std::unique_ptr<Database> opened = DocumentFactory::OpenDocument(file, &error);
  ASSERT_TRUE(opened) << error;
  EXPECT_EQ(DocumentFile::Write(*opened), DocumentFile::Write(*fDB));
  InterfacePtr<IGeometry> geometry(opened.get(), a, IID_IGEOMETRY);
  EXPECT_EQ(geometry->GetBoundingBox(), PMRect(-50, -25, 50, 25));  // inner: about its centre
  EXPECT_FALSE(opened->IsModified());
  EXPECT_FALSE(opened->CanUndo());
}

// Each case bends a sound document out of shape the way a damaged or hostile file could.
TEST_F(LayoutFileTest, TheStructureCheckRefusesEveryLayoutOutOfShape) {
  struct Case {
    const char* what;
    void (*damage)(LayoutFileTest& t);
    const char* why;
  } cases[] = {
      {"sound", [](LayoutFileTest&) {}, ""},
      {"a group inside itself",
       [](LayoutFileTest& t) {
         UID g = t.Group({t.TextFrame(t.Page(0), "A")}, "G");
         InterfacePtr<IHierarchy>(t.DB(), g, IID_IHIERARCHY)->AddChild(g, -1);
       },
       "a page item's hierarchy is damaged"},
      {"two groups inside each other, away from the layout",
       [](LayoutFileTest& t) {
         UID a = t.Group({t.TextFrame(t.Page(0), "A")}, "A");
         UID b = t.Group({t.TextFrame(t.Page(0), "B")}, "B");
         InterfacePtr<IHierarchy>(t.DB(), t.Page(0), IID_IHIERARCHY)->RemoveChild(a);
         InterfacePtr<IHierarchy>(t.DB(), t.Page(0), IID_IHIERARCHY)->RemoveChild(b);
         InterfacePtr<IHierarchy>(t.DB(), a, IID_IHIERARCHY)->AddChild(b, -1);
         InterfacePtr<IHierarchy>(t.DB(), b, IID_IHIERARCHY)->AddChild(a, -1);
       },
       "an object lies outside the layout"},
      {"an item on two pages",
       [](LayoutFileTest& t) {
         UID a = t.TextFrame(t.Page(0), "A");
         InterfacePtr<IHierarchy>(t.DB(), t.Page(1), IID_IHIERARCHY)->AddChild(a, -1);
       },
       "a page item is damaged or in two places"},
      {"a child whose parent link disagrees",
       [](LayoutFileTest& t) {
         UID a = t.TextFrame(t.Page(0), "A");
         InterfacePtr<IHierarchy>(t.DB(), a, IID_IHIERARCHY)->SetParentUID(t.Page(1));
       },
       "a page item's hierarchy is damaged"},
      {"a page after a pasteboard item",
       [](LayoutFileTest& t) {
         t.TextFrame(t.Spread(0), "P");
         InterfacePtr<IHierarchy> spread(t.DB(), t.Spread(0), IID_IHIERARCHY);
         spread->AddChild(t.DB()->NewUID(kPageBoss), -1);
       },
       "a spread's pages are out of place"},
      {"a frame with two columns",
       [](LayoutFileTest& t) {
         UID a = t.TextFrame(t.Page(0), "A");
         InterfacePtr<IHierarchy>(t.DB(), a, IID_IHIERARCHY)
             ->AddChild(t.DB()->NewUID(kFrameColumnBoss), -1);
       },
       "a frame holds more than its column"},
      {"two frames showing one story",
       [](LayoutFileTest& t) {
         UID a = t.TextFrame(t.Page(0), "A");
         UID b = t.TextFrame(t.Page(0), "B");
         auto column = [&t](UID frame) {
           InterfacePtr<IHierarchy> h(t.DB(), frame, IID_IHIERARCHY);
           return InterfacePtr<ITextFrameColumn>(t.DB(), h->GetChildUID(0), IID_ITEXTFRAMECOLUMN);
         };
         column(b)->SetTextModelUID(column(a)->GetTextModelUID());
       },
       "a text frame's story is damaged"},
      {"a spread listed twice",
       [](LayoutFileTest& t) {
         InterfacePtr<ISpreadList>(t.DB(), t.DB()->GetRootUID(), IID_ISPREADLIST)
             ->AppendSpread(t.Spread(0));
       },
       "a spread is damaged"},
  };
  for (const Case& c : cases) {
    fDB = DocumentFactory::NewDocument(2, 2);
    c.damage(*this);
    EXPECT_EQ(DocumentFactory::CheckStructure(DB()), c.why) << c.what;
  }
}

TEST_F(LayoutFileTest, AFileWithAStoryWithoutItsFinalCharacterIsRefused) {
  TextFrame(Page(0), "A", "x");
  // Only a file can hold such a story: find the story's bytes ("x" and CR), turn the CR into
  // "y" and put the checksum right.
  std::vector<uint8> bytes = DocumentFile::Write(*fDB);
  const std::vector<uint8> stored = {0, 0, 0, 2, 0, 'x', 0, '\r'};
  auto at = std::search(bytes.begin(), bytes.end(), stored.begin(), stored.end());
  ASSERT_NE(at, bytes.end());
  at[7] = 'y';
  bytes.resize(bytes.size() - DocumentFormat::kChecksumSize);
  const uint32 crc = Crc32(bytes.data(), bytes.size());
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8>(crc >> shift));

  std::string error;
  std::unique_ptr<Database> read = DocumentFile::Read(bytes.data(), bytes.size(), &error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(DocumentFactory::CheckStructure(read.get()), "a story lacks its final character");
}

}  // namespace
