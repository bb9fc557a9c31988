#include "tagdata/AssignDataFrame.h"

#include "IDataBase.h"
#include "IDocument.h"
#include "ITextModel.h"
#include "ITextOptions.h"
#include "InterfacePtr.h"
#include "display/DataFrameAdornments.h"
#include "display/KTDGraphicHelper.h"
#include "display/PageItemAttributes.h"
#include "frame/host/FrameStory.h"
#include "tagdata/DataFrameComposer.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/DataFrameVocabulary.h"
#include "tagdata/FrameStoryEdits.h"
#include "tagdata/TagRecordSource.h"

namespace {

constexpr PMReal kDataFrameStrokeWeight = 0.25;
constexpr uint32 kDataFrameSwitchAttribute = 1;
constexpr ClassID kDataFrameClassAttribute = 23096;  // 0x5A38
constexpr PMReal kDataFramePercentage = 75.0;

// The type's fill, a thin black stroke and the data frame's class and switch attributes.
void ApplyDataFrameLook(const UIDRef& target, DataFrameType type) {
  IDataBase* db = target.GetDataBase();
  KTDGraphicHelper helper{UIDList(target)};
  PMReal tint = 0;
  const UID swatch = FindOrCreateTypeSwatch(db, type, &tint);
  if (swatch != kInvalidUID) {
    helper.AddFillSwatch(swatch);
    helper.AddFillTint(tint);
  }
  PMString black("Black");
  black.SetTranslatable(kFalse);
  const UID blackSwatch = helper.FindSwatch(black, db);
  if (blackSwatch != kInvalidUID) helper.AddStrokeSwatch(blackSwatch);
  helper.AddStrokeWeight(kDataFrameStrokeWeight);
  helper.AddSwitchAttribute(kDataFrameSwitchAttribute);
  helper.AddClassAttribute(kDataFrameClassAttribute);
  helper.ApplyAttributes();
}

// Writes the text at the start of the story, with the workspace's text option off while it is
// inserted, so that the header's straight quotes stay straight.
ErrorCode InsertWithTextOptionOff(IDataBase* db, ITextModel* model, const WideString& text) {
  InterfacePtr<IDocument> document(db, db->GetRootUID(), IID_IDOCUMENT);
  InterfacePtr<ITextOptions> options(document ? document->GetWorkspaceRef() : UIDRef(),
                                     ITextOptions::kDefaultIID);
  int32 position = 0;
  if (!options || !options->GetTypographersQuotes()) {
    return InsertStoryText(model, position, text);
  }
  SetWorkspaceTextOption(document, kFalse);
  const ErrorCode result = InsertStoryText(model, position, text);
  SetWorkspaceTextOption(document, kTrue);
  return result;
}

}  // namespace

ErrorCode AssignDataFrame(const UIDRef& target, DataFrameType type, DataFrameScope scope,
                          const PMString& frameID, int16 slugPosition, const PMString& name,
                          bool16 matchFrameID, bool16 matchGroup, bool16 matchName,
                          bool16 entryHint) {
  if (target == kInvalidUIDRef) return kFailure;
  MemBlock marker = NewDataFrameMarker(frameID, slugPosition);
  if (!marker) return kFailure;
  // Nothing else changes unless the marker is in place, set-data command and all.
  if (StoreItemTagRecord(target, kDataFrameMarkerKey, marker, kDataFrameMarkerSize) != kSuccess) {
    return kFailure;
  }

  AttachDataFrameAdornments(target);
  SetBooleanItemAttribute(target, kTrue);
  ApplyDataFrameLook(target, type);
  const ErrorCode percentage = ApplyPercentageAttribute(target, kDataFramePercentage);

  ClearFrameText(target);
  const WideString text =
      ComposeDataFrameText(type, scope, name, matchFrameID, matchGroup, matchName, entryHint);
  InterfacePtr<ITextModel> model = QueryFrameStory(target);
  if (!model) return percentage;
  return InsertWithTextOptionOff(target.GetDataBase(), model, text);
}
