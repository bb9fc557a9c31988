// The text options of a document's workspace. Typographer's quotes, on in a new document: while
// on, the story's insert command turns each straight double quote it inserts into an opening one
// (U+201C) at the start of the story or after a blank, a line break or '=', and into a closing one
// (U+201D) elsewhere. Text placed when a frame is made is placed as it stands.
#pragma once

#include "IPMUnknown.h"

// Sets the option of the workspace named by its IUIDData to its IBoolData.
constexpr ClassID kSetTypographersQuotesCmdBoss = 573;

class ITextOptions : public IPMUnknown {
 public:
  enum { kDefaultIID = 580 };

  virtual bool16 GetTypographersQuotes() const = 0;
  // Made by kSetTypographersQuotesCmdBoss; recorded for undo.
  virtual void SetTypographersQuotes(bool16 on) = 0;
};
