#include "text/FrameStory.h"

#include "DocumentIDs.h"
#include "IDataBase.h"
#include "IHierarchy.h"
#include "ITextFrameColumn.h"

namespace FrameStory {

UID StoryUID(const UIDRef& frame) {
  IDataBase* db = frame.GetDataBase();
  if (!db || db->GetClass(frame.GetUID()) != kFrameItemBoss) return kInvalidUID;
  InterfacePtr<IHierarchy> hierarchy(frame, IID_IHIERARCHY);
  InterfacePtr<IHierarchy> column(hierarchy ? hierarchy->QueryChild(0) : nullptr);
  InterfacePtr<ITextFrameColumn> link(column.get(), IID_ITEXTFRAMECOLUMN);
  const UID story = link ? link->GetTextModelUID() : kInvalidUID;
  return story != kInvalidUID && db->IsValidUID(story) ? story : kInvalidUID;
}

InterfacePtr<ITextModel> Query(const UIDRef& frame) {
  const UID story = StoryUID(frame);
  if (story == kInvalidUID) return InterfacePtr<ITextModel>();
  return InterfacePtr<ITextModel>(frame.GetDataBase(), story, IID_ITEXTMODEL);
}

}  // namespace FrameStory
