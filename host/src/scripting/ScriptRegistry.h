// The elements scripts can reach, by object type: the host's own and those of the loaded
// plug-ins, all found the same way.
#pragma once

#include <string>
#include <vector>

#include "ScriptElement.h"

class ScriptRegistry {
 public:
  // Adds the element; answers why it cannot be added, or an empty text. An object that would
  // offer two elements of one name or one script ID (counting the types that its type extends)
  // cannot be.
  std::string Add(const ScriptElement& element);

  // The elements an object of the type offers, those of the type it extends first, each in the
  // order added.
  std::vector<const ScriptElement*> ElementsOf(ScriptID objectType) const;

 private:
  std::vector<ScriptElement> fElements;
};
