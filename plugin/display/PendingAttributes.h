// One stage of a graphic helper: the attributes gathered for a list of page items into one
// pending attribute-list command, applied to the items all at once.
#pragma once

#include "IApplyAttributesCmdData.h"
#include "InterfacePtr.h"
#include "UIDList.h"

class PendingAttributes {
 public:
  explicit PendingAttributes(const UIDList& items) : fItems(items) {}

  // Queues the attribute, whose reference passes to this call; a null attribute, or one for
  // which no command can be made, is dropped.
  void Add(IPMUnknown* attribute);

  // Runs the pending command on the items and answers its error code; 1 when nothing is pending
  // or the command cannot run. Nothing is pending afterwards.
  ErrorCode Apply();

 private:
  UIDList fItems;
  // The pending command's list interface; null until the first attribute and after applying.
  InterfacePtr<IApplyAttributesCmdData> fPending;
};
