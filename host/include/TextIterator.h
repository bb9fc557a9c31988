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
#include "WideString.h"

class HOST_API TextIterator {
 public:
  TextIterator(ITextModel* model, int32 position);
  TextIterator(const TextIterator& other);
  TextIterator& operator=(const TextIterator& other);
  ~TextIterator();

  // The character at the position; 0 at or past the end of the text.
  UTF32TextChar operator*() const {
    const textchar unit = UnitAt(fPosition);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      const textchar next = UnitAt(fPosition + 1);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        return 0x10000 + ((unit - 0xD800u) << 10) + (next - 0xDC00u);
      }
    }
    return unit;
  }
  TextIterator& operator++() {
    fPosition += **this > 0xFFFF ? 2 : 1;
    return *this;
  }
  int32 Position() const { return fPosition; }

  bool operator==(const TextIterator& o) const { return fPosition == o.fPosition; }
  bool operator!=(const TextIterator& o) const { return fPosition != o.fPosition; }
  bool operator<(const TextIterator& o) const { return fPosition < o.fPosition; }

 private:
  // The code unit at a position, 0 outside the text. The units are read from the model a piece
  // at a time, so that walking a story costs one model call a piece rather than several a
  // character; an iterator reads a text that does not change while it is used.
  textchar UnitAt(int32 position) const {
    const int32 inPiece = position - fPieceStart;
    return inPiece >= 0 && inPiece < fPiece.CharCount() ? fPiece[inPiece] : ReadPiece(position);
  }
  // Reads the piece that begins at the position; the unit there, 0 outside the text.
  textchar ReadPiece(int32 position) const;

  ITextModel* fModel;
  int32 fPosition;
  mutable WideString fPiece;
  mutable int32 fPieceStart = 0;
  mutable int32 fLength = -1;  // the model's total length, once read
};
