#include "display/KTDGraphicHelper.h"

#include "display/GraphicAttributeCalls.h"

using GraphicAttributeCalls::QueryAttributeUtils;

KTDGraphicHelper::KTDGraphicHelper(const UIDList& items)
    : fStage(items), fInner(std::make_unique<SnpGraphicHelper>(items)) {}

UID KTDGraphicHelper::FindSwatch(const PMString& name, IDataBase* db) const {
  return fInner->FindSwatch(name, db);
}

void KTDGraphicHelper::AddFillTint(PMReal tint) {
  InterfacePtr<IGraphicAttributeUtils> utils = QueryAttributeUtils();
  if (utils) fStage.Add(utils->CreateFillTintAttribute(tint));
}

void KTDGraphicHelper::AddStrokeTint(PMReal tint) {
  InterfacePtr<IGraphicAttributeUtils> utils = QueryAttributeUtils();
  if (utils) fStage.Add(utils->CreateStrokeTintAttribute(tint));
}

void KTDGraphicHelper::AddSwitchAttribute(uint32 value) {
  InterfacePtr<IGraphicAttributeUtils> utils = QueryAttributeUtils();
  if (utils) fStage.Add(utils->CreateSwitchAttribute(value));
}

ErrorCode KTDGraphicHelper::ApplyAttributes() {
  fStage.Apply();
  return fInner->ApplyAttributes();
}
