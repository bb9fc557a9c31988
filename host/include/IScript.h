// A scripting object: the application, a document or a page item as scripts see it. Its
// properties are served by the script providers registered for its object type.
#pragma once

#include "IPMUnknown.h"
#include "ScriptingIDs.h"

class IScript : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISCRIPT };

  // kApplicationScriptObject, kDocumentScriptObject, kPageItemScriptObject or
  // kTextFrameScriptObject.
  virtual ScriptID GetObjectType() const = 0;
};
