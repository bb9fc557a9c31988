// The two item attributes that mark a data frame besides its graphic attributes: the boolean item
// attribute that the graphic-attribute utility sets by a command, and the item's percentage
// attribute (its opacity) that the transparency utility sets.
#pragma once

#include "UIDRef.h"

// Has the utility make the attribute's command for the item and runs it when one came back.
void SetBooleanItemAttribute(const UIDRef& item, bool16 value);

// Applies the percentage to the item; the utility's error code, 1 without the utility.
ErrorCode ApplyPercentageAttribute(const UIDRef& item, PMReal percent);
