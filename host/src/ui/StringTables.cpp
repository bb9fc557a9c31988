#include "StringTables.h"

#include "PMString.h"
#include "app/Host.h"

std::vector<std::u16string> StringTables::Add(PluginID plugin, const Table& table) {
  std::vector<std::u16string> clashes;
  for (const auto& [key, text] : table) {
    if (!fDictionary.emplace(key, Entry{plugin, text}).second) clashes.push_back(key);
  }
  return clashes;
}

void StringTables::Remove(PluginID plugin) {
  for (auto it = fDictionary.begin(); it != fDictionary.end();) {
    it = it->second.plugin == plugin ? fDictionary.erase(it) : std::next(it);
  }
}

const std::u16string* StringTables::Find(const std::u16string& key) const {
  auto it = fDictionary.find(key);
  return it == fDictionary.end() ? nullptr : &it->second.text;
}

// Keys are translated by the current host's tables; without a host a key stays as it is.
void PMString::Translate() {
  if (!fTranslatable) return;
  const Host* host = Host::Current();
  if (const std::u16string* text = host ? host->Strings().Find(fText) : nullptr) fText = *text;
  fTranslatable = kFalse;
}
