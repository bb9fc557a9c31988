#include "display/SnpGraphicHelper.h"

#include "display/GraphicAttributeCalls.h"

using GraphicAttributeCalls::QueryAttributeUtils;

UID SnpGraphicHelper::FindSwatch(const PMString& name, IDataBase* db) const {
  return GraphicAttributeCalls::FindSwatch(name, db);
}

void SnpGraphicHelper::AddFillSwatch(UID swatch) {
  InterfacePtr<IGraphicAttributeUtils> utils = QueryAttributeUtils();
  if (utils) fStage.Add(utils->CreateFillSwatchAttribute(swatch));
}

void SnpGraphicHelper::AddStrokeSwatch(UID swatch) {
  InterfacePtr<IGraphicAttributeUtils> utils = QueryAttributeUtils();
  if (utils) fStage.Add(utils->CreateStrokeSwatchAttribute(swatch));
}

void SnpGraphicHelper::AddStrokeWeight(PMReal weight) {
  InterfacePtr<IGraphicAttributeUtils> utils = QueryAttributeUtils();
  if (utils) fStage.Add(utils->CreateStrokeWeightAttribute(weight));
}

void SnpGraphicHelper::AddClassAttribute(uint32 classID) {
  InterfacePtr<IGraphicAttributeUtils> utils = QueryAttributeUtils();
  if (utils) fStage.Add(utils->CreateClassAttribute(classID, 0));
}
