// Each part of the host defines its classes and implementations in a registration function that a
// static HostClassRegistrar adds to one list; every Host runs them all into its object model when
// it is built. The list holds code only: what the functions register belongs to each host.
//
//   static HostClassRegistrar gRegistrar([](ObjectModel& model) { ... });
#pragma once

#include "ObjectModel.h"

class HostClassRegistrar {
 public:
  typedef void (*RegisterProc)(ObjectModel& model);
  explicit HostClassRegistrar(RegisterProc proc);

  // Runs every registration function, in the order of construction.
  static void RegisterAll(ObjectModel& model);

 private:
  RegisterProc fProc;
  HostClassRegistrar* fNext;
};
