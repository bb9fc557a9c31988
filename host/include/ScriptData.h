// A value that travels between a script and a script provider: nothing, a string, an integer, a
// real number, a boolean, a scripting object, or a list of values.
#pragma once

#include <vector>

#include "IScript.h"
#include "InterfacePtr.h"
#include "PMString.h"

class HOST_API ScriptData {
 public:
  enum Type { kNone, kString, kInteger, kReal, kBoolean, kObject, kList };

  Type GetType() const { return fType; }

  void SetPMString(const PMString& value);
  void SetInt32(int32 value);
  void SetPMReal(PMReal value);
  void SetBoolean(bool16 value);
  // The value holds a reference to the object.
  void SetObject(IScript* object);
  void SetList(std::vector<ScriptData> values);

  // Each getter answers kScriptWrongTypeError, leaving its output alone, when the value is of
  // another type.
  ErrorCode GetPMString(PMString& value) const;
  ErrorCode GetInt32(int32& value) const;
  ErrorCode GetPMReal(PMReal& value) const;
  ErrorCode GetBoolean(bool16& value) const;
  // The object without a reference added: it lives as long as the value does.
  ErrorCode GetObject(IScript*& object) const;
  ErrorCode GetList(std::vector<ScriptData>& values) const;

 private:
  Type fType = kNone;
  PMString fString;
  int32 fInteger = 0;
  PMReal fReal = 0;
  bool16 fBoolean = kFalse;
  InterfacePtr<IScript> fObject;
  std::vector<ScriptData> fList;
};
