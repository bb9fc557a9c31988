// What scripts can reach: the elements (properties and methods) of scripting objects, each
// declared with its name, script ID, value type, the object types that offer it and the class
// of the provider that serves it. The host declares its own elements; a plug-in declares its
// properties in its scripting resources.
#pragma once

#include <string>
#include <vector>

#include "ScriptData.h"
#include "ScriptingIDs.h"

struct ScriptParameter {
  ScriptID id = 0;
  ScriptData::Type type = ScriptData::kNone;
};

struct ScriptElement {
  enum Kind { kProperty, kMethod };

  Kind kind = kProperty;
  std::string name;  // what scripts write: a JavaScript identifier
  ScriptID id = 0;
  // A property's value; ScriptData::kNone for a method that answers nothing.
  ScriptData::Type type = ScriptData::kNone;
  bool readOnly = false;
  std::vector<ScriptID> objectTypes;
  ClassID provider = kInvalidClass;         // a class with IScriptProvider
  std::vector<ScriptParameter> parameters;  // a method's, in the order scripts pass them
};

// The object types by the names resources give them, and the type each one extends.
struct ScriptObjectTypeName {
  ScriptID type;
  const char* name;
  ScriptID extends;  // 0 for none
};
constexpr ScriptObjectTypeName kScriptObjectTypes[] = {
    {kApplicationScriptObject, "application", 0},
    {kDocumentScriptObject, "document", 0},
    {kPageItemScriptObject, "page-item", 0},
    {kTextFrameScriptObject, "text-frame", kPageItemScriptObject},
};

// The value types by the names resources give them.
struct ScriptValueTypeName {
  ScriptData::Type type;
  const char* name;
};
constexpr ScriptValueTypeName kScriptValueTypes[] = {
    {ScriptData::kString, "string"}, {ScriptData::kInteger, "integer"},
    {ScriptData::kReal, "real"},     {ScriptData::kBoolean, "boolean"},
    {ScriptData::kObject, "object"},
};
