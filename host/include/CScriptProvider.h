// The base of every script provider. A provider answers the elements it serves and passes every
// other one to this base, which serves none.
#pragma once

#include "CPMUnknown.h"
#include "IScriptProvider.h"

class HOST_API CScriptProvider : public CPMUnknown<IScriptProvider> {
 public:
  explicit CScriptProvider(IPMUnknown* boss) : CPMUnknown(boss) {}
  ~CScriptProvider() override = default;

  ErrorCode HandleMethod(ScriptID, IScriptRequestData*, IScript*) override {
    return kScriptUnknownElementError;
  }
  ErrorCode AccessProperty(ScriptID, IScriptRequestData*, IScript*) override {
    return kScriptUnknownElementError;
  }
};
