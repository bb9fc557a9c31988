// A host session with a fresh document, and the few calls that tests of the document model make
// again and again.
#pragma once

#include <memory>
#include <string>

#include "IHierarchy.h"
#include "IPageItemName.h"
#include "IPageList.h"
#include "ISpread.h"
#include "ISpreadList.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "database/Database.h"
#include "document/DocumentFactory.h"
#include "document/LayoutCommands.h"
#include "support/HostTest.h"
#include "text/FrameStory.h"

class DocumentFixture : public HostTest {
 public:
  void SetUp() override {
    HostTest::SetUp();
    fDB = DocumentFactory::NewDocument(2, 2);
    ASSERT_TRUE(fDB);
  }
  void TearDown() override {
    fDB.reset();
    HostTest::TearDown();
  }

  IDataBase* DB() const { return fDB.get(); }
  UIDRef Ref(UID uid) const { return UIDRef(fDB.get(), uid); }

  UID Spread(int32 index) const {
    InterfacePtr<ISpreadList> spreads(DB(), DB()->GetRootUID(), IID_ISPREADLIST);
    return spreads->GetNthSpreadUID(index);
  }
  // Page n counted from 0 across the document.
  UID Page(int32 index) const {
    InterfacePtr<IPageList> pages(DB(), DB()->GetRootUID(), IID_IPAGELIST);
    return pages->GetNthPageUID(index);
  }

  UID TextFrame(UID parent, const char* name, const char* text = "") const {
    WideString wide;
    wide.SetUTF8String(text);
    return LayoutCommands::NewFrame(Ref(parent), PMRect(0, 0, 100, 50), PMString(name), kTrue, wide)
        .GetUID();
  }
  UID GraphicFrame(UID parent, const char* name) const {
    return LayoutCommands::NewFrame(Ref(parent), PMRect(0, 0, 10, 10), PMString(name), kFalse,
                                    WideString())
        .GetUID();
  }
  UID Group(std::initializer_list<UID> members, const char* name) const {
    UIDList items(DB());
    for (UID uid : members) items.Append(uid);
    return LayoutCommands::GroupItems(items, PMString(name)).GetUID();
  }

  // The story a text frame shows; null for other items.
  InterfacePtr<ITextModel> Story(UID frame) const { return FrameStory::Query(Ref(frame)); }

  // The items of a page as the spread lists them, by name.
  std::string ItemsOnPage(int32 spreadIndex, int32 pageIndex, bool16 includePage = kFalse,
                          bool16 includePasteboard = kFalse, bool16 topLevelOnly = kTrue) const {
    InterfacePtr<ISpread> spread(DB(), Spread(spreadIndex), IID_ISPREAD);
    UIDList items(DB());
    spread->GetItemsOnPage(pageIndex, &items, includePage, includePasteboard, topLevelOnly);
    return Names(items);
  }

  // "A B C"; an object without a name (a page) as "page".
  std::string Names(const UIDList& items) const {
    std::string names;
    for (int32 i = 0; i < items.Length(); ++i) {
      InterfacePtr<IPageItemName> name(DB(), items[i], IID_IPAGEITEMNAME);
      if (!names.empty()) names += ' ';
      names += name ? name->GetName().GetUTF8String() : "page";
    }
    return names;
  }

  std::unique_ptr<Database> fDB;
};
