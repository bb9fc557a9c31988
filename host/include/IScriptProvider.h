// What serves the properties and methods of scripting objects. The host finds the provider of an
// element by the element's script ID and the object's type, for its own elements and for those of
// plug-ins alike; plug-ins declare theirs in their scripting resources.
#pragma once

#include "IPMUnknown.h"
#include "ScriptingIDs.h"

class IScript;
class IScriptRequestData;

class IScriptProvider : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISCRIPTPROVIDER };

  // Calls the method on the object; the arguments and the answer travel in data.
  virtual ErrorCode HandleMethod(ScriptID method, IScriptRequestData* data, IScript* object) = 0;
  // Gets or puts the property of the object (data says which).
  virtual ErrorCode AccessProperty(ScriptID property, IScriptRequestData* data,
                                   IScript* object) = 0;
};
