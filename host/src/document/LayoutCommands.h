// Making page items through the host's undoable commands: each call is one command, and so one
// undo step unless a command sequence is open.
#pragma once

#include <string>

#include "PMMatrix.h"
#include "PMRect.h"
#include "PMString.h"
#include "UIDList.h"
#include "WideString.h"

namespace LayoutCommands {

// A frame on a page, or on a spread's pasteboard when parent is a spread; a text frame when
// withStory, its story then holding text. The frame goes in front of the parent's other items.
// Answers the frame, or kInvalidUIDRef when the parent is no page or spread.
UIDRef NewFrame(const UIDRef& parent, const PMRect& bounds, const PMString& name, bool16 withStory,
                const WideString& text);

// Why the items cannot be grouped, or an empty text when they can: they must be distinct frames
// and groups that lie directly on the pages or pasteboard of one spread.
std::string WhyNotGroupable(const UIDList& items);

// A group of the items, in the order given, placed where the first of them was; its bounds
// enclose theirs. Answers the group, or kInvalidUIDRef when the items cannot be grouped.
UIDRef GroupItems(const UIDList& items, const PMString& name);

// Gives a page item a new inner-to-parent matrix; kFailure, changing nothing, for a matrix
// without an inverse or an object that is no page item.
ErrorCode SetItemTransform(const UIDRef& item, const PMMatrix& innerToParent);

// Gives the page item a new name. Answers the command's error code.
ErrorCode SetItemName(const UIDRef& item, const PMString& name);

}  // namespace LayoutCommands
