// The column of a text frame (the frame's first hierarchy child): it links the frame to the story
// whose text the frame shows.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class ITextModel;

class ITextFrameColumn : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ITEXTFRAMECOLUMN };

  // The story's text model with a reference added (GetUIDRef of it is the story); null when the
  // column has no story.
  virtual ITextModel* QueryTextModel() const = 0;
  virtual UID GetTextModelUID() const = 0;
  virtual void SetTextModelUID(UID story) = 0;
};
