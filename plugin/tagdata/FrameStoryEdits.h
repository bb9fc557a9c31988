// Editing the story of a text frame through the host's undoable text commands, and switching the
// workspace text option (typographer's quotes) that would otherwise change the quotes a data
// frame header is written with.
#pragma once

#include "PMString.h"
#include "UIDRef.h"
#include "WideString.h"

class IDocument;
class ITextModel;

// Deletes the whole text of a text frame's story but its final character. Anything that is not
// a text frame with a story is left alone.
void ClearFrameText(const UIDRef& target);

// Inserts the text at the position through the story's insert command, sharing one copy of it
// with the command. Answers the command's error code, 1 when none could be made; on success the
// position has moved past the inserted text.
ErrorCode InsertStoryText(ITextModel* model, int32& position, const WideString& text);

// Sets the workspace text option of the document through the host's command; its error code, 1
// when the command or the workspace cannot be had.
ErrorCode SetWorkspaceTextOption(IDocument* document, bool16 on);
