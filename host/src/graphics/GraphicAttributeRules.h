// The ranges of graphic attribute values, checked by the utility that makes attributes and again
// by the commands that apply them.
#pragma once

#include "IGraphicAttributes.h"

class IDataBase;

namespace GraphicAttributeRules {

constexpr PMReal kMaxStrokeWeight = 1000.0;

// A number from 0 to 100 (tints and opacity).
bool IsPercent(PMReal value);
// The value lies in its kind's range; a swatch attribute is not checked against a document.
bool IsInRange(const GraphicAttributeValue& attribute);
// In range, and a swatch attribute names no swatch (kInvalidUID) or a swatch of the database.
bool IsValidIn(IDataBase* db, const GraphicAttributeValue& attribute);

}  // namespace GraphicAttributeRules
