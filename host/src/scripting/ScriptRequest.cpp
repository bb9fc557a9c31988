#include "ScriptRequest.h"

#include <cmath>

namespace {

// The value as the type an element declares: numbers convert between integers and reals when
// nothing is lost; nothing else converts.
ErrorCode Convert(const ScriptData& value, ScriptData::Type type, ScriptData& out) {
  if (value.GetType() == ScriptData::kNone) return kScriptNoValueError;
  if (value.GetType() == type) {
    out = value;
    return kSuccess;
  }
  PMReal real = 0;
  int32 integer = 0;
  if (type == ScriptData::kInteger && value.GetPMReal(real) == kSuccess &&
      real == std::trunc(real) && real >= INT32_MIN && real <= INT32_MAX) {
    out.SetInt32(static_cast<int32>(real));
    return kSuccess;
  }
  if (type == ScriptData::kReal && value.GetInt32(integer) == kSuccess) {
    out.SetPMReal(integer);
    return kSuccess;
  }
  return kScriptWrongTypeError;
}

}  // namespace

ScriptRequest::ScriptRequest(Kind kind, const ScriptElement& element,
                             std::vector<ScriptData> values)
    : fKind(kind), fElement(element), fValues(std::move(values)) {}

IPMUnknown* ScriptRequest::QueryInterface(PMIID interfaceID) const {
  return interfaceID == IScriptRequestData::kDefaultIID ? const_cast<ScriptRequest*>(this)
                                                        : nullptr;
}

ErrorCode ScriptRequest::ExtractRequestData(ScriptID id, ScriptData& data) {
  if (fKind == kPut && id == fElement.id && fValues.size() == 1) {
    return Convert(fValues[0], fElement.type, data);
  }
  if (fKind != kCall) return kScriptNoValueError;
  for (size_t i = 0; i < fElement.parameters.size(); ++i) {
    if (fElement.parameters[i].id != id) continue;
    if (i >= fValues.size()) return kScriptNoValueError;
    return Convert(fValues[i], fElement.parameters[i].type, data);
  }
  return kScriptNoValueError;
}

ErrorCode ScriptRequest::AppendReturnData(IScript* object, ScriptID id, const ScriptData& data) {
  fAnswers.push_back({object, id, data});
  return kSuccess;
}

const ScriptData* ScriptRequest::AnswerFor(IScript* object) const {
  for (const Answer& a : fAnswers) {
    if (a.object == object && a.id == fElement.id) return &a.data;
  }
  return nullptr;
}
