#include "display/GraphicAttributeCalls.h"

#include "ISwatchUtils.h"

namespace GraphicAttributeCalls {

InterfacePtr<IGraphicAttributeUtils> QueryAttributeUtils() {
  return InterfacePtr<IGraphicAttributeUtils>(static_cast<IGraphicAttributeUtils*>(
      UtilsBoss::QueryUtils(IGraphicAttributeUtils::kDefaultIID)));
}

UID FindSwatch(const PMString& name, IDataBase* db) {
  if (!db) return kInvalidUID;
  InterfacePtr<ISwatchUtils> swatches(
      static_cast<ISwatchUtils*>(UtilsBoss::QueryUtils(ISwatchUtils::kDefaultIID)));
  return swatches ? swatches->FindSwatch(name, db) : kInvalidUID;
}

}  // namespace GraphicAttributeCalls
