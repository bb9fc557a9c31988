// The document: the object at the root UID of a document's database. Its spread list (ISpreadList)
// and page list (IPageList) are further interfaces of the same object.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class IDocument : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IDOCUMENT };

  // The document's workspace: an object of the same database that holds document-wide settings
  // and resources (plug-ins add their preferences to its class).
  virtual UIDRef GetWorkspaceRef() const = 0;
  // Set by the host when it makes the document.
  virtual void SetWorkspaceUID(UID workspace) = 0;
};
