// The story a text frame shows: the text model that the frame's first hierarchy child, its text
// column, links it to.
#pragma once

#include "ITextModel.h"
#include "InterfacePtr.h"
#include "UIDRef.h"

// The frame's story, or null for an item the page-item utility does not take for a text frame
// and for a frame whose column or story cannot be had.
InterfacePtr<ITextModel> QueryFrameStory(const UIDRef& frame);
