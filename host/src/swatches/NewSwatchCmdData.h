// The arguments of the command that makes a process swatch: the document's workspace, the name
// and the four ink fractions.
#pragma once

#include "IPMUnknown.h"
#include "ISwatch.h"
#include "UIDRef.h"
#include "graphics/GraphicsImplIDs.h"

class INewSwatchCmdData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_INEWSWATCHCMDDATA };

  virtual void Set(const UIDRef& workspace, const PMString& name, const ProcessColor& color) = 0;
  virtual const UIDRef& GetWorkspace() const = 0;
  virtual const PMString& GetName() const = 0;
  virtual const ProcessColor& GetColor() const = 0;
};
