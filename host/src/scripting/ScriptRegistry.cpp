#include "ScriptRegistry.h"

#include <algorithm>

namespace {

ScriptID Extended(ScriptID objectType) {
  for (const ScriptObjectTypeName& t : kScriptObjectTypes) {
    if (t.type == objectType) return t.extends;
  }
  return 0;
}

// The type and the types it extends, the most general first.
std::vector<ScriptID> TypeChain(ScriptID objectType) {
  std::vector<ScriptID> chain;
  for (ScriptID t = objectType; t != 0; t = Extended(t)) chain.push_back(t);
  std::reverse(chain.begin(), chain.end());
  return chain;
}

bool Contains(const std::vector<ScriptID>& types, ScriptID type) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

// Whether some object offers the elements of both types.
bool Overlap(ScriptID a, ScriptID b) {
  return Contains(TypeChain(a), b) || Contains(TypeChain(b), a);
}

}  // namespace

std::string ScriptRegistry::Add(const ScriptElement& element) {
  for (const ScriptElement& other : fElements) {
    if (other.name != element.name && other.id != element.id) continue;
    for (ScriptID type : element.objectTypes) {
      for (ScriptID otherType : other.objectTypes) {
        if (Overlap(type, otherType)) {
          return other.name == element.name ? "the name " + element.name + " is taken"
                                            : "the script ID of " + element.name + " is taken";
        }
      }
    }
  }
  fElements.push_back(element);
  return std::string();
}

std::vector<const ScriptElement*> ScriptRegistry::ElementsOf(ScriptID objectType) const {
  std::vector<const ScriptElement*> elements;
  for (ScriptID type : TypeChain(objectType)) {
    for (const ScriptElement& e : fElements) {
      const bool listed = std::find(elements.begin(), elements.end(), &e) != elements.end();
      if (Contains(e.objectTypes, type) && !listed) elements.push_back(&e);
    }
  }
  return elements;
}
