// The host's utilities that the document walk asks, each taken for one call and released after.
#pragma once

#include "IItemOwnerUtils.h"
#include "ILayoutUtils.h"
#include "IPageItemUtils.h"
#include "InterfacePtr.h"
#include "UtilsBoss.h"

template <class Utility>
InterfacePtr<Utility> QueryUtility() {
  return InterfacePtr<Utility>(static_cast<Utility*>(UtilsBoss::QueryUtils(Utility::kDefaultIID)));
}
