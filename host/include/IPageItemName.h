// The name of a page item, stored with the document.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "PMString.h"

class IPageItemName : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IPAGEITEMNAME };

  virtual PMString GetName() const = 0;
  virtual void SetName(const PMString& name) = 0;
};
