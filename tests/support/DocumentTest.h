// A test with a started host (HostTest, or PlugInHostTest for one with the plug-in) and a fresh
// document of two spreads of two pages each, with the calls that tests of page items make again
// and again.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "IDocument.h"
#include "IPageList.h"
#include "ISpreadList.h"
#include "ISwatchUtils.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "UtilsBoss.h"
#include "database/Database.h"
#include "document/DocumentFactory.h"
#include "document/LayoutCommands.h"
#include "text/FrameStory.h"

template <class Host>
class DocumentTest : public Host {
 public:
  void SetUp() override {
    Host::SetUp();
    fDB = DocumentFactory::NewDocument(2, 2);
    ASSERT_TRUE(fDB);
  }
  void TearDown() override {
    fDB.reset();
    Host::TearDown();
  }

  IDataBase* DB() const { return fDB.get(); }
  Database& Doc() const { return *fDB; }
  UIDRef Ref(UID uid) const { return UIDRef(fDB.get(), uid); }

  // Counted from 0 across the document: pages 0 and 1 lie on spread 0, 2 and 3 on spread 1.
  UID Spread(int32 index) const {
    InterfacePtr<ISpreadList> spreads(DB(), DB()->GetRootUID(), IID_ISPREADLIST);
    return spreads->GetNthSpreadUID(index);
  }
  UID Page(int32 index) const {
    InterfacePtr<IPageList> pages(DB(), DB()->GetRootUID(), IID_IPAGELIST);
    return pages->GetNthPageUID(index);
  }

  // A text frame on a page, or on a spread's pasteboard when parent is a spread.
  UID TextFrame(UID parent, const char* name = "frame", const std::string& text = "") const {
    WideString story;
    story.SetUTF8String(text);
    return LayoutCommands::NewFrame(Ref(parent), PMRect(0, 0, 100, 50), PMString(name), kTrue,
                                    story)
        .GetUID();
  }
  UID GraphicFrame(UID parent, const char* name = "graphic") const {
    return LayoutCommands::NewFrame(Ref(parent), PMRect(0, 0, 10, 10), PMString(name), kFalse,
                                    WideString())
        .GetUID();
  }
  UID Group(std::initializer_list<UID> members, const char* name = "group") const {
    UIDList items(DB());
    for (UID uid : members) items.Append(uid);
    return LayoutCommands::GroupItems(items, PMString(name)).GetUID();
  }

  // The story a text frame shows; null for other items.
  InterfacePtr<ITextModel> Story(UID frame) const { return FrameStory::Query(Ref(frame)); }

  UIDRef Workspace() const {
    InterfacePtr<IDocument> document(DB(), DB()->GetRootUID(), IID_IDOCUMENT);
    return document->GetWorkspaceRef();
  }
  UID FindSwatch(const char* name) const {
    InterfacePtr<ISwatchUtils> swatches(
        static_cast<ISwatchUtils*>(UtilsBoss::QueryUtils(ISwatchUtils::kDefaultIID)));
    return swatches->FindSwatch(PMString(name), DB());
  }

  // The names of the steps undo takes back, newest first, undoing them all.
  std::vector<std::string> UndoAll() const {
    std::vector<std::string> names;
    while (Doc().CanUndo()) {
      PMString name = Doc().GetUndoName();
      name.Translate();
      names.push_back(name.GetUTF8String());
      EXPECT_TRUE(Doc().Undo());
    }
    return names;
  }

  std::unique_ptr<Database> fDB;
};
