// Each part of the host defines its classes and implementations in a registration function that a
// static HostClassRegistrar adds to one list; the session runs them all once at its first start.
//
//   static HostClassRegistrar gRegistrar([](ObjectModel& model) { ... });
#pragma once

#include "ObjectModel.h"

class HostClassRegistrar {
 public:
  typedef void (*RegisterProc)(ObjectModel& model);
  explicit HostClassRegistrar(RegisterProc proc);

  // Runs every registration function once, in the order of construction.
  static void RegisterAll(ObjectModel& model);

 private:
  RegisterProc fProc;
  HostClassRegistrar* fNext;
};
