// A document for tests of swatches, looks, adornments and text options, with the host's
// utilities at hand.
#pragma once

#include "IGraphicAttributeUtils.h"
#include "IGraphicAttributes.h"
#include "IPageItemAdornmentList.h"
#include "ITransparencyUtils.h"
#include "support/DocumentTest.h"
#include "support/HostTest.h"

template <class T>
InterfacePtr<T> QueryUtility() {
  return InterfacePtr<T>(static_cast<T*>(UtilsBoss::QueryUtils(T::kDefaultIID)));
}

class LookFixture : public DocumentTest<HostTest> {
 public:
  InterfacePtr<IGraphicAttributes> Look(UID item) const {
    return InterfacePtr<IGraphicAttributes>(DB(), item, IID_IGRAPHICATTRIBUTES);
  }
  InterfacePtr<IPageItemAdornmentList> Adornments(UID item) const {
    return InterfacePtr<IPageItemAdornmentList>(DB(), item, IID_IPAGEITEMADORNMENTLIST);
  }
};
