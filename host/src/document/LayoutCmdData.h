// The arguments of the commands that make frames and groups and rename page items.
#pragma once

#include "DocumentImplIDs.h"
#include "IPMUnknown.h"
#include "PMMatrix.h"
#include "PMRect.h"
#include "PMString.h"
#include "UIDRef.h"
#include "WideString.h"

class INewFrameCmdData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_INEWFRAMECMDDATA };

  struct Frame {
    UID parent = kInvalidUID;  // a page, or a spread for a frame on its pasteboard
    PMRect bounds;
    PMString name;
    bool16 withStory = kFalse;
    WideString text;  // the story's text before its final character
  };
  virtual void Set(const Frame& frame) = 0;
  virtual const Frame& Get() const = 0;
};

class IGroupItemsCmdData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IGROUPITEMSCMDDATA };

  virtual void SetName(const PMString& name) = 0;
  virtual const PMString& GetName() const = 0;
};

class IItemTransformCmdData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IITEMTRANSFORMCMDDATA };

  virtual void Set(const PMMatrix& innerToParent) = 0;
  virtual const PMMatrix& Get() const = 0;
};

class ISetItemNameCmdData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISETITEMNAMECMDDATA };

  virtual void SetName(const PMString& name) = 0;
  virtual const PMString& GetName() const = 0;
};
