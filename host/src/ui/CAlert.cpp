#include "CAlert.h"

#include "AlertLog.h"
#include "app/Host.h"

namespace {

PMString Translated(PMString text) {
  text.Translate();
  return text;
}

int16 Show(AlertRecord::Kind kind, const PMString& message, const PMString* const names[3],
           int16 defaultButton, int16 cancelButton) {
  AlertRecord alert{kind, Translated(message), {}, 1};
  bool shown[3] = {false, false, false};
  for (int i = 0; i < 3; ++i) {
    if (names[i]->IsEmpty()) continue;
    shown[i] = true;
    alert.buttons.push_back(Translated(*names[i]));
  }
  // The default button answers; a default that names no button falls back on the cancel button,
  // then on the first.
  auto isShown = [&shown](int16 button) { return button >= 1 && button <= 3 && shown[button - 1]; };
  alert.answer = isShown(defaultButton) ? defaultButton : isShown(cancelButton) ? cancelButton : 1;
  if (Host* host = Host::Current()) host->Alerts().Record(alert);
  return alert.answer;
}

}  // namespace

int16 CAlert::ModalAlert(const PMString& message, const PMString& button1, const PMString& button2,
                         const PMString& button3, int16 defaultButton, int16 cancelButton) {
  const PMString* const names[3] = {&button1, &button2, &button3};
  return Show(AlertRecord::kModal, message, names, defaultButton, cancelButton);
}

int16 CAlert::WarningAlert(const PMString& message) {
  const PMString ok("OK"), none;
  const PMString* const names[3] = {&ok, &none, &none};
  return Show(AlertRecord::kWarning, message, names, 1, 1);
}

int16 CAlert::ErrorAlert(const PMString& message) {
  const PMString ok("OK"), none;
  const PMString* const names[3] = {&ok, &none, &none};
  return Show(AlertRecord::kError, message, names, 1, 1);
}
