// One request to a script provider, as the engine makes it: the element, the kind of access and
// the values the script gave; the provider's answer is collected in it.
#pragma once

#include <vector>

#include "IScriptRequestData.h"
#include "PMString.h"
#include "ScriptElement.h"

class ScriptRequest final : public IScriptRequestData {
 public:
  enum Kind { kGet, kPut, kCall };

  // A put gives one value; a call gives its arguments in the order of the method's parameters.
  ScriptRequest(Kind kind, const ScriptElement& element, std::vector<ScriptData> values = {});

  // The request lives on its maker's stack for one call; the count only honours the interface.
  IPMUnknown* QueryInterface(PMIID interfaceID) const override;
  void AddRef() const override {}
  void Release() const override {}

  bool16 IsPropertyGet() const override { return fKind == kGet; }
  bool16 IsPropertyPut() const override { return fKind == kPut; }
  ErrorCode ExtractRequestData(ScriptID id, ScriptData& data) override;
  ErrorCode AppendReturnData(IScript* object, ScriptID id, const ScriptData& data) override;
  void SetErrorString(const PMString& text) override { fErrorString = text; }

  // What the provider answered for the object, or null when it answered nothing.
  const ScriptData* AnswerFor(IScript* object) const;
  const PMString& ErrorString() const { return fErrorString; }

 private:
  struct Answer {
    IScript* object;
    ScriptID id;
    ScriptData data;
  };

  Kind fKind;
  const ScriptElement& fElement;
  std::vector<ScriptData> fValues;
  std::vector<Answer> fAnswers;
  PMString fErrorString;
};
