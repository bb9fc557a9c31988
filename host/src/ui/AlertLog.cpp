#include "AlertLog.h"

void AlertLog::Record(const AlertRecord& alert) {
  fRecords.push_back(alert);
  if (fListener) fListener(alert);
}

const char* AlertLog::KindName(AlertRecord::Kind kind) {
  switch (kind) {
    case AlertRecord::kModal:
      return "modal";
    case AlertRecord::kWarning:
      return "warning";
    case AlertRecord::kError:
      return "error";
  }
  return "modal";
}
