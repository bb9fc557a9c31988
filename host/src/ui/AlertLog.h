// The alerts that were shown in a host's session, with their translated texts, in the order shown.
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

class AlertLog {
 public:
  typedef std::function<void(const AlertRecord&)> Listener;

  void Record(const AlertRecord& alert);
  const std::vector<AlertRecord>& Records() const { return fRecords; }
  void Clear() { fRecords.clear(); }
  // Called for each alert as it is recorded (the session runner shows alerts as they come).
  void SetListener(Listener listener) { fListener = std::move(listener); }

  // "modal", "warning" or "error".
  static const char* KindName(AlertRecord::Kind kind);

 private:
  std::vector<AlertRecord> fRecords;
  Listener fListener;
};
