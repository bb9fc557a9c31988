// Alerts: messages to the user, each with its buttons. Messages and button names are string keys
// or literals; the host translates them. The stand-in host shows no window: it records each alert
// with its translated text and answers as if the user had pressed the default button.
#pragma once

#include "PMString.h"

class HOST_API CAlert {
 public:
  // Buttons are numbered 1 to 3; an empty name leaves that button out. Answers the number of the
  // button pressed.
  static int16 ModalAlert(const PMString& message, const PMString& button1, const PMString& button2,
                          const PMString& button3, int16 defaultButton, int16 cancelButton);
  // A warning or an error with one "OK" button; answers 1.
  static int16 WarningAlert(const PMString& message);
  static int16 ErrorAlert(const PMString& message);
};
