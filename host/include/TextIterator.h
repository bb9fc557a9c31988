// Walks the characters of a text model as Unicode scalar values: a surrogate pair is one
// character (and one step of two positions); a lone surrogate is returned as it stands.
//
//   for (TextIterator it(model, start), end(model, stop); it < end; ++it)
//   text.AppendUTF32TextChar(*it);
//
// Compare with < when a range might end inside a surrogate pair: a step over the pair passes the
// end's position.
#pragma once

#include "ITextModel.h"

class HOST_API TextIterator {
 public:
  TextIterator(ITextModel* model, int32 position);
  TextIterator(const TextIterator& other);
  TextIterator& operator=(const TextIterator& other);
  ~TextIterator();

  // The character at the position; 0 at or past the end of the text.
  UTF32TextChar operator*() const;
  TextIterator& operator++();
  int32 Position() const { return fPosition; }

  bool operator==(const TextIterator& o) const { return fPosition == o.fPosition; }
  bool operator!=(const TextIterator& o) const { return fPosition != o.fPosition; }
  bool operator<(const TextIterator& o) const { return fPosition < o.fPosition; }

 private:
  ITextModel* fModel;
  int32 fPosition;
};
