#include "frame/host/FrameStory.h"

#include "IHierarchy.h"
#include "IPageItemUtils.h"
#include "ITextFrameColumn.h"
#include "frame/host/HostUtilities.h"

InterfacePtr<ITextModel> QueryFrameStory(const UIDRef& frame) {
  InterfacePtr<IPageItemUtils> utils = QueryUtility<IPageItemUtils>();
  if (!utils || !utils->IsTextFrame(frame)) return InterfacePtr<ITextModel>();
  InterfacePtr<IHierarchy> hierarchy(frame, IID_IHIERARCHY);
  InterfacePtr<IHierarchy> column(hierarchy ? hierarchy->QueryChild(0) : nullptr);
  InterfacePtr<ITextFrameColumn> link(column.get(), IID_ITEXTFRAMECOLUMN);
  return InterfacePtr<ITextModel>(link ? link->QueryTextModel() : nullptr);
}
