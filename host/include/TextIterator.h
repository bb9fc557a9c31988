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
    fStepFrom = fPosition;
    fStep = 1;
    if ((unit & 0xFC00) != 0xD800) return unit;  // not the first of a surrogate pair
    const textchar next = UnitAt(fPosition + 1);
    if ((next & 0xFC00) != 0xDC00) return unit;
    fStep = 2;
    return 0x10000 + ((unit - 0xD800u) << 10) + (next - 0xDC00u);
  }
  // Steps over the character; one that was just read is not read again.
  TextIterator& operator++() {
    if (fStepFrom != fPosition) **this;
    fPosition += fStep;
    return *this;
  }
  int32 Position() const { return fPosition; }

  // Appends the characters up to the end's position to the text and leaves the iterator there,
  // exactly as
  //   for (; *this < end; ++*this) out.AppendUTF32TextChar(**this);
  // does, but copying the units of a piece at once where they hold no surrogate.
  void AppendUpTo(const TextIterator& end, UnicodeSavvyString& out);

  bool operator==(const TextIterator& o) const { return fPosition == o.fPosition; }
  bool operator!=(const TextIterator& o) const { return fPosition != o.fPosition; }
  bool operator<(const TextIterator& o) const { return fPosition < o.fPosition; }

 private:
  // The code unit at a position, 0 outside the text. The units are read from the model a piece
  // at a time, so that walking a story costs one model call a piece rather than several a
  // character; an iterator reads a text that does not change while it is used.
  textchar UnitAt(int32 position) const {
    const auto inPiece = static_cast<uint32>(position - fPieceStart);
    return inPiece < static_cast<uint32>(fPiece.CharCount()) ? fPiece[static_cast<int32>(inPiece)]
                                                             : ReadPiece(position);
  }
  // Reads the piece that begins at the position; the unit there, 0 outside the text.
  textchar ReadPiece(int32 position) const;

  ITextModel* fModel;
  int32 fPosition;
  mutable WideString fPiece;
  mutable int32 fPieceStart = 0;
  mutable int32 fLength = -1;    // the model's total length, once read
  mutable int32 fStepFrom = -1;  // the position whose character was read last
  mutable int32 fStep = 1;       // and its length in units
};
