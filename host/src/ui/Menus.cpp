#include "Menus.h"

#include "CreateObject.h"
#include "IActionComponent.h"
#include "InterfacePtr.h"
#include "plugins/PlugInLoader.h"

std::string EncodeMenuEntry(ClassID component, const std::string& text) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((component >> (8 * i)) & 0xFF));
  return bytes + text;
}

std::vector<MenuEntry> MenuEntries(const PlugInLoader& plugIns) {
  std::vector<MenuEntry> entries;
  for (const LoadedPlugIn& plugIn : plugIns.Loaded()) {
    for (const DataResource& data : plugIns.ResourcesOf(plugIn.id)->data) {
      MenuEntry entry{data.id, 0, PMString()};
      if (data.type != kMenuRsrcType || data.bytes.size() < 4 ||
          !entry.text.SetUTF8String(data.bytes.substr(4))) {
        continue;
      }
      for (int i = 0; i < 4; ++i)
        entry.component |= uint32{static_cast<uint8>(data.bytes[i])} << (8 * i);
      entry.text.Translate();
      entries.push_back(std::move(entry));
    }
  }
  return entries;
}

bool DoMenuAction(const PlugInLoader& plugIns, ActionID action) {
  for (const MenuEntry& entry : MenuEntries(plugIns)) {
    if (entry.action != action) continue;
    InterfacePtr<IActionComponent> component(static_cast<IActionComponent*>(
        CreateObject(entry.component, IActionComponent::kDefaultIID)));
    if (!component) return false;
    component->DoAction(nullptr, action, GSysPoint(), nullptr);
    return true;
  }
  return false;
}
