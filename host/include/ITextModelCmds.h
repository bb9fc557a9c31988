// Makes the commands that edit a story's text (an interface of the story). A command comes back
// ready to run with CmdUtils::ProcessCommand, and belongs to the caller, who releases it.
#pragma once

#include <boost/shared_ptr.hpp>

#include "DocumentIDs.h"
#include "ICommand.h"
#include "WideString.h"

class ITextModelCmds : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ITEXTMODELCMDS };

  // Deletes length code units from start. Null when the range reaches the story's final
  // character or lies outside the story. The last argument is reserved; callers pass 0.
  virtual ICommand* DeleteCmd(int32 start, int32 length, const void* reserved) = 0;
  // Inserts the shared text at a position from 0 up to the final character (inserting at its
  // position puts the text before it). Null for a position outside that range or a null text.
  // The last argument is reserved; callers pass 0.
  virtual ICommand* InsertCmd(int32 position, const boost::shared_ptr<WideString>& text,
                              const void* reserved) = 0;
};
