// Reading the text of a text frame's story.
#pragma once

#include "PMString.h"
#include "UIDRef.h"

// Replaces text by the characters of the frame's story from start up to start + count, never
// including the story's final character. A start outside (0, last) reads from 0; a count of 0
// or less reads to the end. With 0 and 0 this is the whole story but its final character. A
// frame that is no text frame, or whose story cannot be had, reads as empty text.
void ReadFrameStoryText(const UIDRef& frame, PMString& text, int32 start, int32 count);
