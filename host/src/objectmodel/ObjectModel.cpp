#include "ObjectModel.h"

#include <algorithm>

ObjectModel& ObjectModel::Get() {
  static ObjectModel model;
  return model;
}

bool ObjectModel::RegisterImplementation(const ImplementationFactory& factory) {
  return fImplementations.emplace(factory.id, factory).second;
}

const ImplementationFactory* ObjectModel::FindImplementation(ImplementationID id) const {
  auto it = fImplementations.find(id);
  return it == fImplementations.end() ? nullptr : &it->second;
}

void ObjectModel::DefineClass(ClassID id, ClassID parent, std::vector<InterfaceBinding> bindings) {
  ClassDefinition& def = fClasses[id];
  def.parent = parent;
  def.bindings = std::move(bindings);
}

void ObjectModel::AddIn(ClassID id, std::vector<InterfaceBinding> bindings) {
  auto& addIns = fClasses[id].addIns;
  addIns.insert(addIns.end(), bindings.begin(), bindings.end());
}

std::vector<InterfaceBinding> ObjectModel::ResolveClass(ClassID id) const {
  std::vector<InterfaceBinding> result;
  auto merge = [&result](const std::vector<InterfaceBinding>& bindings) {
    for (const InterfaceBinding& b : bindings) {
      auto same = std::find_if(result.begin(), result.end(), [&b](const InterfaceBinding& r) {
        return r.interfaceID == b.interfaceID;
      });
      if (same != result.end()) {
        same->implementation = b.implementation;
      } else {
        result.push_back(b);
      }
    }
  };
  // Collect the chain from the root class down; a cycle in the parents ends the walk.
  std::vector<const ClassDefinition*> chain;
  for (ClassID c = id; c != kInvalidClass && chain.size() < 64;) {
    auto it = fClasses.find(c);
    if (it == fClasses.end()) break;
    chain.push_back(&it->second);
    c = it->second.parent;
  }
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    merge((*it)->bindings);
    merge((*it)->addIns);
  }
  return result;
}

void ObjectModel::ForgetPlugin(PluginID plugin) {
  for (auto it = fImplementations.begin(); it != fImplementations.end();) {
    it = it->second.plugin == plugin ? fImplementations.erase(it) : std::next(it);
  }
}
