#include <unistd.h>

#include "Platform.h"

bool Platform::StandardInputIsTerminal() {
  return isatty(STDIN_FILENO) == 1;
}
