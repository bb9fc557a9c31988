#include "GraphicAttributeRules.h"

#include "IDataBase.h"

namespace GraphicAttributeRules {

bool IsPercent(PMReal value) {
  return value >= 0.0 && value <= 100.0;  // false for NaN
}

bool IsInRange(const GraphicAttributeValue& attribute) {
  switch (attribute.kind) {
    case kFillTintAttr:
    case kStrokeTintAttr:
      return IsPercent(attribute.amount);
    case kStrokeWeightAttr:
      return attribute.amount >= 0.0 && attribute.amount <= kMaxStrokeWeight;
    case kFillSwatchAttr:
    case kStrokeSwatchAttr:
    case kClassAttr:
    case kSwitchAttr:
      return true;
  }
  return false;
}

bool IsValidIn(IDataBase* db, const GraphicAttributeValue& attribute) {
  if (!IsInRange(attribute)) return false;
  const bool isSwatch = attribute.kind == kFillSwatchAttr || attribute.kind == kStrokeSwatchAttr;
  return !isSwatch || attribute.id == kInvalidUID ||
         (db && db->GetClass(attribute.id) == kSwatchBoss);
}

}  // namespace GraphicAttributeRules
