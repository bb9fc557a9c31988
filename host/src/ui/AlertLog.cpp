#include "AlertLog.h"

namespace {

std::vector<AlertRecord>& Log() {
  static std::vector<AlertRecord> log;
  return log;
}

std::function<void(const AlertRecord&)>& Listener() {
  static std::function<void(const AlertRecord&)> listener;
  return listener;
}

}  // namespace

namespace AlertLog {

void Record(const AlertRecord& alert) {
  Log().push_back(alert);
  if (Listener()) Listener()(alert);
}

const std::vector<AlertRecord>& Records() {
  return Log();
}
void Clear() {
  Log().clear();
}
void SetListener(std::function<void(const AlertRecord&)> listener) {
  Listener() = std::move(listener);
}

const char* KindName(AlertRecord::Kind kind) {
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

}  // namespace AlertLog
