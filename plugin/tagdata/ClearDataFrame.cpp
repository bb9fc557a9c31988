#include "tagdata/ClearDataFrame.h"

#include "display/DataFrameAdornments.h"
#include "display/KTDGraphicHelper.h"
#include "display/PageItemAttributes.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/FrameStoryEdits.h"
#include "tagdata/TagRecordSource.h"

namespace {

constexpr ClassID kPlainFrameClassAttribute = 23081;  // 0x5A29
constexpr PMReal kPlainFramePercentage = 100.0;

// No fill and no stroke: both take the "None" swatch (0 in a document without one).
void ResetLook(const UIDRef& target) {
  KTDGraphicHelper helper{UIDList(target)};
  PMString none("None");
  none.SetTranslatable(kFalse);
  const UID noneSwatch = helper.FindSwatch(none, target.GetDataBase());
  helper.AddFillSwatch(noneSwatch);
  helper.AddFillTint(0);
  helper.AddStrokeSwatch(noneSwatch);
  helper.AddStrokeTint(0);
  helper.AddStrokeWeight(0);
  helper.AddClassAttribute(kPlainFrameClassAttribute);
  helper.ApplyAttributes();
}

}  // namespace

ErrorCode ClearDataFrame(const UIDRef& target) {
  // Nothing else changes unless the marker is gone, set-data command and all.
  if (StoreItemTagRecord(target, kDataFrameMarkerKey, nullptr, 0) != kSuccess) return kFailure;
  DetachDataFrameAdornments(target);
  SetBooleanItemAttribute(target, kFalse);
  const ErrorCode result = ApplyPercentageAttribute(target, kPlainFramePercentage);
  ResetLook(target);
  ClearFrameText(target);
  return result;
}
