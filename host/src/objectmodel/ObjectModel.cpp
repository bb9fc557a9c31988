#include "ObjectModel.h"

#include <algorithm>

bool ObjectModel::RegisterImplementation(const ImplementationFactory& factory) {
  if (!fImplementations.emplace(factory.id, factory).second) return false;
  fRegistrationOrder.push_back(factory.id);
  return true;
}

const ImplementationFactory* ObjectModel::FindImplementation(ImplementationID id) const {
  auto it = fImplementations.find(id);
  return it == fImplementations.end() ? nullptr : &it->second;
}

std::vector<ImplementationID> ObjectModel::ImplementationsOf(PluginID plugin) const {
  std::vector<ImplementationID> ids;
  for (ImplementationID id : fRegistrationOrder) {
    if (fImplementations.at(id).plugin == plugin) ids.push_back(id);
  }
  return ids;
}

bool ObjectModel::DefineClass(ClassID id, ClassID parent, std::vector<InterfaceBinding> bindings,
                              PluginID owner) {
  ClassDefinition& def = fClasses[id];
  if (def.defined) return false;
  def.defined = true;
  def.owner = owner;
  def.parent = parent;
  def.bindings = std::move(bindings);
  return true;
}

void ObjectModel::AddIn(ClassID id, std::vector<InterfaceBinding> bindings, PluginID owner) {
  auto& addIns = fClasses[id].addIns;
  for (const InterfaceBinding& b : bindings) addIns.push_back({b, owner});
}

bool ObjectModel::IsClassDefined(ClassID id) const {
  auto it = fClasses.find(id);
  return it != fClasses.end() && it->second.defined;
}

std::vector<InterfaceBinding> ObjectModel::ResolveClass(ClassID id) const {
  std::vector<InterfaceBinding> result;
  auto merge = [&result](const InterfaceBinding& b) {
    auto same = std::find_if(result.begin(), result.end(), [&b](const InterfaceBinding& r) {
      return r.interfaceID == b.interfaceID;
    });
    if (same != result.end()) {
      same->implementation = b.implementation;
    } else {
      result.push_back(b);
    }
  };
  // Collect the chain from the root class down; a cycle in the parents ends the walk.
  std::vector<const ClassDefinition*> chain;
  for (ClassID c = id; c != kInvalidClass && chain.size() < 64;) {
    auto it = fClasses.find(c);
    if (it == fClasses.end() || !it->second.defined) break;
    chain.push_back(&it->second);
    c = it->second.parent;
  }
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const InterfaceBinding& b : (*it)->bindings) merge(b);
    for (const OwnedBinding& a : (*it)->addIns) merge(a.binding);
  }
  return result;
}

void ObjectModel::ForgetPlugin(PluginID plugin) {
  for (auto it = fImplementations.begin(); it != fImplementations.end();) {
    it = it->second.plugin == plugin ? fImplementations.erase(it) : std::next(it);
  }
  fRegistrationOrder.erase(
      std::remove_if(fRegistrationOrder.begin(), fRegistrationOrder.end(),
                     [this](ImplementationID id) { return fImplementations.count(id) == 0; }),
      fRegistrationOrder.end());
  for (auto it = fClasses.begin(); it != fClasses.end();) {
    ClassDefinition& def = it->second;
    def.addIns.erase(std::remove_if(def.addIns.begin(), def.addIns.end(),
                                    [plugin](const OwnedBinding& a) { return a.owner == plugin; }),
                     def.addIns.end());
    if (def.defined && def.owner == plugin) {
      def.defined = false;
      def.owner = 0;
      def.parent = kInvalidClass;
      def.bindings.clear();
    }
    it = !def.defined && def.addIns.empty() ? fClasses.erase(it) : std::next(it);
  }
}
