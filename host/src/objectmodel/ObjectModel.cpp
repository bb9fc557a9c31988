#include "ObjectModel.h"

#include <algorithm>
#include <new>

ClassLayout::ClassLayout(std::vector<PartKind> parts) : fParts(std::move(parts)) {
  size_t size = 4;
  while (size < 2 * fParts.size()) size *= 2;
  fSlots.resize(size);
  for (size_t bits = size; bits > 1; bits /= 2) --fShift;
  for (size_t part = 0; part < fParts.size(); ++part) {
    size_t i = Slot(fParts[part].interfaceID);
    while (fSlots[i].part >= 0) i = (i + 1) & (size - 1);
    fSlots[i] = {fParts[part].interfaceID, static_cast<int32>(part)};
  }
}

bool ObjectModel::RegisterImplementation(const ImplementationFactory& factory) {
  if (!fImplementations.emplace(factory.id, factory).second) return false;
  fLayouts.clear();
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
  fLayouts.clear();
  def.defined = true;
  def.owner = owner;
  def.parent = parent;
  def.bindings = std::move(bindings);
  return true;
}

void ObjectModel::AddIn(ClassID id, std::vector<InterfaceBinding> bindings, PluginID owner) {
  fLayouts.clear();
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

std::shared_ptr<const ClassLayout> ObjectModel::LayoutOf(ClassID id) const {
  if (!IsClassDefined(id)) return nullptr;
  auto known = fLayouts.find(id);
  if (known != fLayouts.end()) return known->second;
  try {
    std::vector<ClassLayout::PartKind> parts;
    for (const InterfaceBinding& b : ResolveClass(id)) {
      const ImplementationFactory* factory = FindImplementation(b.implementation);
      if (factory && factory->create) parts.push_back({b.interfaceID, factory});
    }
    auto layout = std::make_shared<const ClassLayout>(std::move(parts));
    fLayouts.emplace(id, layout);
    return layout;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void ObjectModel::ForgetPlugin(PluginID plugin) {
  fLayouts.clear();
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
