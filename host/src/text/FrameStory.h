// The story a text frame shows, for the host's own code, the session runner and the tests: the
// text model that the frame's first hierarchy child, its text column, links it to. (The plug-in
// finds it the same way through the SDK; it cannot include the host's inner headers.)
#pragma once

#include "ITextModel.h"
#include "InterfacePtr.h"
#include "UIDRef.h"

namespace FrameStory {

// The UID of the frame's story; kInvalidUID for an item that is no frame, a frame without a
// column (a graphic frame) and a column that links to no story.
UID StoryUID(const UIDRef& frame);
// The frame's story itself; null where StoryUID gives none.
InterfacePtr<ITextModel> Query(const UIDRef& frame);

}  // namespace FrameStory
