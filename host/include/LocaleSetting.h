// The locale of the host's user interface.
#pragma once

#include "BaseType.h"

// A language and region, as the platform numbers them (0x0409 is English, United States).
typedef uint32 PMLocaleId;

class HOST_API WLocaleSetting {
 public:
  // The host's resources and string tables are English: it always answers 0x0409.
  static PMLocaleId GetLocale();
};
