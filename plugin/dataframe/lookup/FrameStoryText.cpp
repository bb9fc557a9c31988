#include "dataframe/lookup/FrameStoryText.h"

#include <algorithm>

#include "IHierarchy.h"
#include "ITextFrameColumn.h"
#include "ITextModel.h"
#include "TextIterator.h"
#include "WideString.h"
#include "dataframe/lookup/HostUtilities.h"

namespace {

InterfacePtr<ITextModel> QueryFrameStory(const UIDRef& frame) {
  InterfacePtr<IPageItemUtils> utils = QueryUtility<IPageItemUtils>();
  if (!utils || !utils->IsTextFrame(frame)) return InterfacePtr<ITextModel>();
  InterfacePtr<IHierarchy> hierarchy(frame, IID_IHIERARCHY);
  InterfacePtr<IHierarchy> column(hierarchy ? hierarchy->QueryChild(0) : nullptr);
  InterfacePtr<ITextFrameColumn> link(column.get(), IID_ITEXTFRAMECOLUMN);
  return InterfacePtr<ITextModel>(link ? link->QueryTextModel() : nullptr);
}

}  // namespace

void ReadFrameStoryText(const UIDRef& frame, PMString& text, int32 start, int32 count) {
  text.Clear();
  InterfacePtr<ITextModel> story = QueryFrameStory(frame);
  if (!story) return;

  const int32 last = story->TotalLength() - 1;
  const int32 from = start > 0 && start < last ? start : 0;
  // In 64 bits, so that a large count cannot wrap around.
  const int32 to =
      count > 0 ? static_cast<int32>(std::min<int64>(int64{from} + count, last)) : last;

  WideString characters;
  for (TextIterator it(story, from), end(story, to); it < end; ++it) {
    characters.AppendUTF32TextChar(*it);
  }
  text.Append(characters);
}
