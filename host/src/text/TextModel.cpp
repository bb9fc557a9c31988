// A story's text: UTF-16 code units that always end in the final carriage return.
#include <algorithm>
#include <memory>
#include <string>

#include "CPMUnknown.h"
#include "IPMStream.h"
#include "ITextModel.h"
#include "database/PartEdit.h"
#include "document/DocumentImplIDs.h"
#include "document/PersistentHostFactory.h"
#include "document/StreamFields.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class TextModel : public CPMUnknown<ITextModel> {
 public:
  explicit TextModel(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 TotalLength() const override { return static_cast<int32>(fText.size()); }
  textchar GetCodeUnit(int32 position) const override {
    return position >= 0 && position < TotalLength() ? fText[static_cast<size_t>(position)] : 0;
  }
  void CopyRange(int32 start, int32 length, WideString& out) const override {
    const int32 from = std::clamp(start, 0, TotalLength());
    const int32 count = std::clamp(length, 0, TotalLength() - from);
    out.GetUTF16Mutable().append(fText, static_cast<size_t>(from), static_cast<size_t>(count));
  }

  // Positions are clamped so that the final character stays last.
  void Insert(int32 position, const WideString& text) override {
    if (text.IsEmpty()) return;
    const int32 at = std::clamp(position, 0, LastPosition());
    ApplyEdit(GetBoss(), this, std::make_unique<TextEdit>(at, 0, text.GetUTF16()));
  }
  void Delete(int32 start, int32 length) override {
    const int32 from = std::clamp(start, 0, LastPosition());
    const int32 count = std::clamp(length, 0, LastPosition() - from);
    if (count == 0) return;
    ApplyEdit(GetBoss(), this, std::make_unique<TextEdit>(from, count, std::u16string()));
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { StreamFields::XferUnits(stream, fText); }

 private:
  // Replaces the units of a range by others; the units it replaced are what it puts back next.
  class TextEdit : public PartEdit {
   public:
    TextEdit(int32 start, int32 length, std::u16string units)
        : fStart(static_cast<size_t>(start)),
          fLength(static_cast<size_t>(length)),
          fUnits(std::move(units)) {}
    void Apply(IPMUnknown* implementation) override {
      std::u16string& text = static_cast<TextModel*>(implementation)->fText;
      std::u16string replaced = text.substr(fStart, fLength);
      text.replace(fStart, fLength, fUnits);
      fLength = fUnits.size();
      fUnits.swap(replaced);
    }

   private:
    size_t fStart;
    size_t fLength;
    std::u16string fUnits;
  };

  // The final character's position.
  int32 LastPosition() const { return std::max(TotalLength() - 1, 0); }

  std::u16string fText = std::u16string(1, kTextChar_CR);
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<TextModel>(kTextModelImpl));
});

}  // namespace
