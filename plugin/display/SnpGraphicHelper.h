// Gathers graphic attribute overrides for a fixed list of page items into one pending host
// command and applies them all at once, as one undoable step. A helper serves one look change:
// construct it with the items, add attributes, apply, destroy. Destroying it with attributes
// pending drops them without running the command.
#pragma once

#include "PMString.h"
#include "UIDList.h"
#include "display/PendingAttributes.h"

class IDataBase;

class SnpGraphicHelper {
 public:
  explicit SnpGraphicHelper(const UIDList& items) : fStage(items) {}
  virtual ~SnpGraphicHelper() = default;
  SnpGraphicHelper(const SnpGraphicHelper&) = delete;
  SnpGraphicHelper& operator=(const SnpGraphicHelper&) = delete;

  // The UID of the swatch of exactly that name in the document; 0 when there is none or no
  // database.
  virtual UID FindSwatch(const PMString& name, IDataBase* db) const;

  void AddFillSwatch(UID swatch);
  void AddStrokeSwatch(UID swatch);
  void AddStrokeWeight(PMReal weight);
  void AddClassAttribute(uint32 classID);

  // The command's error code; 1 when nothing was added since the last apply.
  ErrorCode ApplyAttributes() { return fStage.Apply(); }

 private:
  PendingAttributes fStage;
};
