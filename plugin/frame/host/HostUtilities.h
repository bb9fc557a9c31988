// The host's utilities (the utilities boss), each taken for one call and released after.
#pragma once

#include "InterfacePtr.h"
#include "UtilsBoss.h"

// The utility of the interface's default ID, or null when the host has none.
template <class Utility>
InterfacePtr<Utility> QueryUtility() {
  return InterfacePtr<Utility>(static_cast<Utility*>(UtilsBoss::QueryUtils(Utility::kDefaultIID)));
}
