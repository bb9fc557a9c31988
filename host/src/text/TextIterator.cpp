#include "TextIterator.h"

#include <algorithm>

namespace {

// Units read from the model at once: a data frame's story is a few of them.
constexpr int32 kPieceLength = 256;

}  // namespace

TextIterator::TextIterator(ITextModel* model, int32 position) : fModel(model), fPosition(position) {
  if (fModel) fModel->AddRef();
}

TextIterator::TextIterator(const TextIterator& other)
    : TextIterator(other.fModel, other.fPosition) {}

TextIterator& TextIterator::operator=(const TextIterator& other) {
  if (other.fModel) other.fModel->AddRef();
  if (fModel) fModel->Release();
  fModel = other.fModel;
  fPosition = other.fPosition;
  fPiece.Clear();
  fLength = -1;
  fStepFrom = -1;
  return *this;
}

TextIterator::~TextIterator() {
  if (fModel) fModel->Release();
}

textchar TextIterator::ReadPiece(int32 position) const {
  if (!fModel) return 0;
  if (fLength < 0) fLength = fModel->TotalLength();
  if (position < 0 || position >= fLength) return 0;
  fPiece.Clear();
  fPieceStart = position;
  fModel->CopyRange(position, kPieceLength, fPiece);
  return fPiece[0];
}

void TextIterator::AppendUpTo(const TextIterator& end, UnicodeSavvyString& out) {
  std::u16string& units = out.GetUTF16Mutable();
  while (fPosition < end.fPosition) {
    UnitAt(fPosition);  // makes the piece that holds the position current
    const int32 inPiece = fPosition - fPieceStart;
    const int32 held =
        inPiece >= 0 && inPiece < fPiece.CharCount() ? fPiece.CharCount() - inPiece : 0;
    const int32 count = std::min(held, end.fPosition - fPosition);
    const textchar* at = fPiece.GetUTF16().data() + (held > 0 ? inPiece : 0);
    const int32 run = static_cast<int32>(UnicodeSavvyString::FindSurrogate(at, at + count) - at);
    units.append(at, static_cast<size_t>(run));
    fPosition += run;
    if (run == count && held > 0) continue;
    // A surrogate, or a position outside the text: one character, as the loop reads it.
    out.AppendUTF32TextChar(**this);
    ++*this;
  }
}
