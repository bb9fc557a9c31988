#include "ScriptData.h"

void ScriptData::SetPMString(const PMString& value) {
  *this = ScriptData();
  fType = kString;
  fString = value;
}

void ScriptData::SetInt32(int32 value) {
  *this = ScriptData();
  fType = kInteger;
  fInteger = value;
}

void ScriptData::SetPMReal(PMReal value) {
  *this = ScriptData();
  fType = kReal;
  fReal = value;
}

void ScriptData::SetBoolean(bool16 value) {
  *this = ScriptData();
  fType = kBoolean;
  fBoolean = value ? kTrue : kFalse;
}

void ScriptData::SetObject(IScript* object) {
  *this = ScriptData();
  fType = kObject;
  if (object) object->AddRef();
  fObject.reset(object);
}

void ScriptData::SetList(std::vector<ScriptData> values) {
  *this = ScriptData();
  fType = kList;
  fList = std::move(values);
}

namespace {

template <class T>
ErrorCode Get(ScriptData::Type have, ScriptData::Type want, const T& field, T& out) {
  if (have != want) return kScriptWrongTypeError;
  out = field;
  return kSuccess;
}

}  // namespace

ErrorCode ScriptData::GetPMString(PMString& value) const {
  return Get(fType, kString, fString, value);
}

ErrorCode ScriptData::GetInt32(int32& value) const {
  return Get(fType, kInteger, fInteger, value);
}

ErrorCode ScriptData::GetPMReal(PMReal& value) const {
  return Get(fType, kReal, fReal, value);
}

ErrorCode ScriptData::GetBoolean(bool16& value) const {
  return Get(fType, kBoolean, fBoolean, value);
}

ErrorCode ScriptData::GetObject(IScript*& object) const {
  IScript* held = fObject.get();
  return Get(fType, kObject, held, object);
}

ErrorCode ScriptData::GetList(std::vector<ScriptData>& values) const {
  return Get(fType, kList, fList, values);
}
