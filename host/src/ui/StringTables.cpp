#include "StringTables.h"

#include "PMString.h"

namespace {

struct Entry {
  PluginID plugin;
  std::u16string text;
};

std::unordered_map<std::u16string, Entry>& Dictionary() {
  static std::unordered_map<std::u16string, Entry> dictionary;
  return dictionary;
}

}  // namespace

namespace StringTables {

std::vector<std::u16string> Add(PluginID plugin, const Table& table) {
  std::vector<std::u16string> clashes;
  for (const auto& [key, text] : table) {
    if (!Dictionary().emplace(key, Entry{plugin, text}).second) clashes.push_back(key);
  }
  return clashes;
}

void Remove(PluginID plugin) {
  auto& dictionary = Dictionary();
  for (auto it = dictionary.begin(); it != dictionary.end();) {
    it = it->second.plugin == plugin ? dictionary.erase(it) : std::next(it);
  }
}

const std::u16string* Find(const std::u16string& key) {
  auto it = Dictionary().find(key);
  return it == Dictionary().end() ? nullptr : &it->second.text;
}

}  // namespace StringTables

void PMString::Translate() {
  if (!fTranslatable) return;
  if (const std::u16string* text = StringTables::Find(fText)) fText = *text;
  fTranslatable = kFalse;
}
