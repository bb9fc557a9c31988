// The host's utilities as the graphic helpers call them: each call takes the utility, asks it
// once and releases it.
#pragma once

#include "IGraphicAttributeUtils.h"
#include "InterfacePtr.h"
#include "PMString.h"
#include "UtilsBoss.h"

class IDataBase;

namespace GraphicAttributeCalls {

// The graphic-attribute utility (5849).
InterfacePtr<IGraphicAttributeUtils> QueryAttributeUtils();

// Asks the swatch utility (90376) for the swatch of that name; 0 without a database.
UID FindSwatch(const PMString& name, IDataBase* db);

}  // namespace GraphicAttributeCalls
