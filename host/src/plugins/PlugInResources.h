// What a plug-in's resources tell the host: who the plug-in is, the classes it defines, the
// interfaces it adds to other classes, the texts of its string keys, data resources (icons,
// bitmaps, views) by type and number, and the properties it adds to scripting objects.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "objectmodel/ObjectModel.h"
#include "scripting/ScriptElement.h"

struct ClassResource {
  ClassID id = kInvalidClass;
  ClassID parent = kInvalidClass;
  std::vector<InterfaceBinding> bindings;
};

struct AddInResource {
  ClassID id = kInvalidClass;
  std::vector<InterfaceBinding> bindings;
};

struct DataResource {
  // A four-character code, first character in the high byte ('ICON').
  uint32 type = 0;
  uint32 id = 0;
  std::string bytes;
};

struct PlugInResources {
  PluginID pluginID = 0;
  std::string name;  // UTF-8
  std::vector<ClassResource> classes;
  std::vector<AddInResource> addIns;
  // String key and English text, both UTF-8, in the order defined.
  std::vector<std::pair<std::string, std::string>> strings;
  std::vector<DataResource> data;
  std::vector<ScriptElement> scriptProperties;
};
