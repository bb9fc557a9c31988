// The alerts that were shown in the session, with their translated texts, in the order shown.
#pragma once

#include <functional>
#include <vector>

#include "PMString.h"

struct AlertRecord {
  enum Kind { kModal, kWarning, kError };
  Kind kind;
  PMString message;
  // The translated names of the buttons that were shown.
  std::vector<PMString> buttons;
  // The number of the button that answered the alert.
  int16 answer;
};

namespace AlertLog {

void Record(const AlertRecord& alert);
const std::vector<AlertRecord>& Records();
void Clear();
// Called for each alert as it is recorded (the session runner shows alerts as they come).
void SetListener(std::function<void(const AlertRecord&)> listener);
// "modal", "warning" or "error".
const char* KindName(AlertRecord::Kind kind);

}  // namespace AlertLog
