// The link from a text frame's column to the story it shows.
#include "CPMUnknown.h"
#include "IDataBase.h"
#include "IPMStream.h"
#include "ITextFrameColumn.h"
#include "ITextModel.h"
#include "document/DocumentImplIDs.h"
#include "document/PersistentHostFactory.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class TextFrameColumn : public CPMUnknown<ITextFrameColumn> {
 public:
  explicit TextFrameColumn(IPMUnknown* boss) : CPMUnknown(boss) {}

  ITextModel* QueryTextModel() const override {
    IDataBase* db = GetDataBase();
    if (!db || fStory == kInvalidUID) return nullptr;
    return static_cast<ITextModel*>(db->Instantiate(fStory, IID_ITEXTMODEL));
  }
  UID GetTextModelUID() const override { return fStory; }
  void SetTextModelUID(UID story) override {
    PreDirty();
    fStory = story;
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { stream->XferInt32(fStory); }

 private:
  UID fStory = kInvalidUID;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<TextFrameColumn>(kTextFrameColumnImpl));
});

}  // namespace
