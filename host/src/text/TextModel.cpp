// A story's text: UTF-16 code units that always end in the final carriage return.
#include <algorithm>
#include <string>

#include "CPMUnknown.h"
#include "IPMStream.h"
#include "ITextModel.h"
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
    PreDirty();
    const int32 at = std::clamp(position, 0, LastPosition());
    fText.insert(static_cast<size_t>(at), text.GetUTF16());
  }
  void Delete(int32 start, int32 length) override {
    const int32 from = std::clamp(start, 0, LastPosition());
    const int32 count = std::clamp(length, 0, LastPosition() - from);
    if (count == 0) return;
    PreDirty();
    fText.erase(static_cast<size_t>(from), static_cast<size_t>(count));
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { StreamFields::XferUnits(stream, fText); }

 private:
  // The final character's position.
  int32 LastPosition() const { return std::max(TotalLength() - 1, 0); }

  std::u16string fText = std::u16string(1, kTextChar_CR);
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<TextModel>(kTextModelImpl));
});

}  // namespace
