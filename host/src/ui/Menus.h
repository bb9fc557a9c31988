// The menu entries plug-ins add and the actions behind them. A plug-in's resources hold one
// resource of type 'MENU' per entry, numbered by its action ID: the class whose
// IActionComponent receives the action (u32, little-endian), then the entry's text (UTF-8, a
// string key or a literal).
#pragma once

#include <string>
#include <vector>

#include "PMString.h"

class PlugInLoader;

constexpr uint32 kMenuRsrcType = 0x4D454E55;  // 'MENU'

struct MenuEntry {
  ActionID action;
  ClassID component;
  PMString text;  // translated
};

std::string EncodeMenuEntry(ClassID component, const std::string& text);

// The entries of the loaded plug-ins, plug-ins in load order and each one's entries in the order
// of its resources. A damaged entry is left out.
std::vector<MenuEntry> MenuEntries(const PlugInLoader& plugIns);

// Makes an object of the entry's class and calls its DoAction, as choosing the entry does. False
// when no entry has the action or its object cannot be made.
bool DoMenuAction(const PlugInLoader& plugIns, ActionID action);
