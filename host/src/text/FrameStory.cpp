#include "text/FrameStory.h"

#include "DocumentIDs.h"
#include "IDataBase.h"
#include "IHierarchy.h"
#include "ITextFrameColumn.h"

namespace FrameStory {

InterfacePtr<ITextModel> Query(const UIDRef& frame) {
  IDataBase* db = frame.GetDataBase();
  if (!db || db->GetClass(frame.GetUID()) != kFrameItemBoss) return InterfacePtr<ITextModel>();
  InterfacePtr<IHierarchy> hierarchy(frame, IID_IHIERARCHY);
  InterfacePtr<IHierarchy> column(hierarchy ? hierarchy->QueryChild(0) : nullptr);
  InterfacePtr<ITextFrameColumn> link(column.get(), IID_ITEXTFRAMECOLUMN);
  return InterfacePtr<ITextModel>(link ? link->QueryTextModel() : nullptr);
}

}  // namespace FrameStory
