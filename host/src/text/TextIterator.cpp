#include "TextIterator.h"

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
