// The command that makes a frame (with its column and story when it is a text frame) on a page or
// on a spread's pasteboard. Its item list is the new frame afterwards. The frame's inner
// coordinates have their origin at its centre, which its inner-to-parent matrix moves into place,
// so that a matrix that mirrors or scales the frame keeps it where it is.
#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "IDataBase.h"
#include "IGeometry.h"
#include "IHierarchy.h"
#include "IItemTransform.h"
#include "IPageItemName.h"
#include "ITextFrameColumn.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "LayoutCmdData.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class NewFrameCmdData : public CPMUnknown<INewFrameCmdData> {
 public:
  explicit NewFrameCmdData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Set(const Frame& frame) override { fFrame = frame; }
  const Frame& Get() const override { return fFrame; }

 private:
  Frame fFrame;
};

class NewFrameCmd : public Command {
 public:
  using Command::Command;

  void Do() override {
    InterfacePtr<INewFrameCmdData> data(this, IID_INEWFRAMECMDDATA);
    IDataBase* db = GetTarget();
    if (!data || !db) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    const INewFrameCmdData::Frame& args = data->Get();
    const ClassID parentClass = db->GetClass(args.parent);
    InterfacePtr<IHierarchy> parent(db, args.parent, IID_IHIERARCHY);
    if (!parent || (parentClass != kPageBoss && parentClass != kSpreadBoss)) {
      return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }

    // A document whose UIDs have run out (or a lack of memory) makes no object: the command
    // fails and what it made so far is taken back.
    const UID frame = db->NewUID(kFrameItemBoss);
    if (frame == kInvalidUID) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    parent->AddChild(frame, -1);
    const PMReal halfWidth = args.bounds.Width() / 2, halfHeight = args.bounds.Height() / 2;
    InterfacePtr<IGeometry>(db, frame, IID_IGEOMETRY)
        ->SetBoundingBox(PMRect(-halfWidth, -halfHeight, halfWidth, halfHeight));
    InterfacePtr<IItemTransform>(db, frame, IID_IITEMTRANSFORM)
        ->SetInnerToParent(
            PMMatrix(1, 0, 0, 1, args.bounds.Left() + halfWidth, args.bounds.Top() + halfHeight));
    InterfacePtr<IPageItemName>(db, frame, IID_IPAGEITEMNAME)->SetName(args.name);
    if (args.withStory) {
      const UID story = db->NewUID(kTextStoryBoss);
      const UID column = story == kInvalidUID ? kInvalidUID : db->NewUID(kFrameColumnBoss);
      if (column == kInvalidUID) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
      InterfacePtr<ITextModel>(db, story, IID_ITEXTMODEL)->Insert(0, args.text);
      InterfacePtr<ITextFrameColumn>(db, column, IID_ITEXTFRAMECOLUMN)->SetTextModelUID(story);
      InterfacePtr<IHierarchy>(db, frame, IID_IHIERARCHY)->AddChild(column, -1);
    }
    fWithStory = args.withStory;
    SetItemList(UIDList(UIDRef(db, frame)));
  }

  PMString* CreateName() override {
    return new PMString(fWithStory ? "New Text Frame" : "New Graphic Frame");
  }

 private:
  bool16 fWithStory = kFalse;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<NewFrameCmdData>(kNewFrameCmdDataImpl));
  model.RegisterImplementation(MakeHostFactory<NewFrameCmd>(kNewFrameCmdImpl));
});

}  // namespace
