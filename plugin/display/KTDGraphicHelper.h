// A graphic helper that applies attributes in two stages: tints and the switch-valued attribute
// go into its own pending command, swatches, the stroke weight and the class-valued attribute
// into those of an inner SnpGraphicHelper for the same items. ApplyAttributes runs its own
// command first, then the inner helper's, so the items receive their tints one command before
// their swatches.
#pragma once

#include <memory>

#include "display/SnpGraphicHelper.h"

class KTDGraphicHelper {
 public:
  explicit KTDGraphicHelper(const UIDList& items);
  virtual ~KTDGraphicHelper() = default;
  KTDGraphicHelper(const KTDGraphicHelper&) = delete;
  KTDGraphicHelper& operator=(const KTDGraphicHelper&) = delete;

  // The inner helper's lookup.
  virtual UID FindSwatch(const PMString& name, IDataBase* db) const;

  // To the inner helper.
  void AddFillSwatch(UID swatch) { fInner->AddFillSwatch(swatch); }
  void AddStrokeSwatch(UID swatch) { fInner->AddStrokeSwatch(swatch); }
  void AddStrokeWeight(PMReal weight) { fInner->AddStrokeWeight(weight); }
  void AddClassAttribute(uint32 classID) { fInner->AddClassAttribute(classID); }
  // To its own command.
  void AddFillTint(PMReal tint);
  void AddStrokeTint(PMReal tint);
  void AddSwitchAttribute(uint32 value);

  // Applies its own command (whose result is not used), then answers the inner helper's apply.
  ErrorCode ApplyAttributes();

 private:
  // Declared in this order so that the inner helper goes first, then the own pending command.
  PendingAttributes fStage;
  std::unique_ptr<SnpGraphicHelper> fInner;
};
