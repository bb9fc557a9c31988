// One request of a script to a script provider: get or put a property, or call a method.
#pragma once

#include "IPMUnknown.h"
#include "ScriptingIDs.h"

class IScript;
class PMString;
class ScriptData;

class IScriptRequestData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISCRIPTREQUESTDATA };

  virtual bool16 IsPropertyGet() const = 0;
  virtual bool16 IsPropertyPut() const = 0;
  // The value a put gives (id: the property's) or a method's argument (id: the parameter's), as
  // the type the element declares. Answers kScriptWrongTypeError for a value that cannot be had
  // as that type and kScriptNoValueError for an argument the script left out; data then stays as
  // it was.
  virtual ErrorCode ExtractRequestData(ScriptID id, ScriptData& data) = 0;
  // Answers a get or a method call: the value of element id for the object.
  virtual ErrorCode AppendReturnData(IScript* object, ScriptID id, const ScriptData& data) = 0;
  // Tells the script's author why the request fails, beside the error code.
  virtual void SetErrorString(const PMString& text) = 0;
};
