// What the story's insert command inserts while typographer's quotes are on: each straight
// double quote becomes an opening quote (U+201C) at the start of the story or after a blank, a
// line break or '=', and a closing quote (U+201D) elsewhere.
#pragma once

#include "WideString.h"

class ITextModel;

namespace TypographicQuotes {

// The text with its straight double quotes made typographic, as it reads when it follows the
// character before, or when it starts the story.
WideString MakeTypographic(const WideString& text, bool atStoryStart, textchar before);

// The text as an insertion at the position of the story puts it: made typographic when the
// option is on in the workspace of the story's document, else unchanged.
WideString AsInserted(const ITextModel& story, int32 position, const WideString& text);

}  // namespace TypographicQuotes
