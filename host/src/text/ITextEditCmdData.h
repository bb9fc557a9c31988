// The arguments of the commands that insert text into a story and delete text from it. The
// story is the command's item list.
#pragma once

#include <boost/shared_ptr.hpp>

#include "IPMUnknown.h"
#include "WideString.h"
#include "document/DocumentImplIDs.h"

class ITextEditCmdData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ITEXTEDITCMDDATA };

  // For an insertion: the position and the text. For a deletion: the start and the length.
  virtual void Set(int32 position, int32 length, const boost::shared_ptr<WideString>& text) = 0;
  virtual int32 GetPosition() const = 0;
  virtual int32 GetLength() const = 0;
  virtual const boost::shared_ptr<WideString>& GetText() const = 0;
};
