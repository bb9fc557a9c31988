#include "dataframe/lookup/FrameStoryText.h"

#include <algorithm>

#include "TextIterator.h"
#include "frame/host/FrameStory.h"

void ReadFrameStoryText(const UIDRef& frame, PMString& text, int32 start, int32 count) {
  text.Clear();
  InterfacePtr<ITextModel> story = QueryFrameStory(frame);
  if (!story) return;

  const int32 last = story->TotalLength() - 1;
  const int32 from = start > 0 && start < last ? start : 0;
  // In 64 bits, so that a large count cannot wrap around.
  const int32 to =
      count > 0 ? static_cast<int32>(std::min<int64>(int64{from} + count, last)) : last;

  // The characters go straight into the text, which holds no other.
  text.GetUTF16Mutable().reserve(static_cast<size_t>(std::max(to - from, 0)));
  TextIterator(story, from).AppendUpTo(TextIterator(story, to), text);
}
