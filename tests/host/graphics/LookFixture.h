// A document for tests of swatches, looks, adornments and text options, with the host's
// utilities at hand.
#pragma once

#include "IDocument.h"
#include "IGraphicAttributeUtils.h"
#include "IGraphicAttributes.h"
#include "IPageItemAdornmentList.h"
#include "ISwatchUtils.h"
#include "ITransparencyUtils.h"
#include "UtilsBoss.h"
#include "host/document/DocumentFixture.h"

template <class T>
InterfacePtr<T> QueryUtility() {
  return InterfacePtr<T>(static_cast<T*>(UtilsBoss::QueryUtils(T::kDefaultIID)));
}

class LookFixture : public DocumentFixture {
 public:
  InterfacePtr<IGraphicAttributes> Look(UID item) const {
    return InterfacePtr<IGraphicAttributes>(DB(), item, IID_IGRAPHICATTRIBUTES);
  }
  InterfacePtr<IPageItemAdornmentList> Adornments(UID item) const {
    return InterfacePtr<IPageItemAdornmentList>(DB(), item, IID_IPAGEITEMADORNMENTLIST);
  }
  UID FindSwatch(const char* name) const {
    return QueryUtility<ISwatchUtils>()->FindSwatch(PMString(name), DB());
  }
  UIDRef Workspace() const {
    InterfacePtr<IDocument> document(DB(), DB()->GetRootUID(), IID_IDOCUMENT);
    return document->GetWorkspaceRef();
  }
  Database& Doc() const { return *fDB; }
};
