// The string tables of the loaded plug-ins, merged into one dictionary from string key to text.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "BaseType.h"

class StringTables {
 public:
  typedef std::unordered_map<std::u16string, std::u16string> Table;

  // Adds a plug-in's table. A key that a table added earlier holds keeps its first text; the
  // clashing keys are answered.
  std::vector<std::u16string> Add(PluginID plugin, const Table& table);
  // Forgets the texts that the plug-in's table brought.
  void Remove(PluginID plugin);
  // The text of a key, or null.
  const std::u16string* Find(const std::u16string& key) const;

 private:
  struct Entry {
    PluginID plugin;
    std::u16string text;
  };
  std::unordered_map<std::u16string, Entry> fDictionary;
};
