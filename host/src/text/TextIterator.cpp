#include "TextIterator.h"

namespace {

bool IsHighSurrogate(textchar u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(textchar u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

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
  return *this;
}

TextIterator::~TextIterator() {
  if (fModel) fModel->Release();
}

UTF32TextChar TextIterator::operator*() const {
  if (!fModel) return 0;
  const textchar unit = fModel->GetCodeUnit(fPosition);
  if (IsHighSurrogate(unit) && fPosition + 1 < fModel->TotalLength()) {
    const textchar next = fModel->GetCodeUnit(fPosition + 1);
    if (IsLowSurrogate(next)) return 0x10000 + ((unit - 0xD800u) << 10) + (next - 0xDC00u);
  }
  return unit;
}

TextIterator& TextIterator::operator++() {
  const UTF32TextChar c = **this;
  fPosition += c > 0xFFFF ? 2 : 1;
  return *this;
}
