// The host's registry of implementations and classes, and the factory of bosses.
//
// A plug-in (and the host itself) registers implementations by ID with their create, destroy,
// size and read/write functions; class definitions bind interface IDs to implementation IDs, and
// add-ins bind further interfaces to a class defined elsewhere. Every registration remembers the
// plug-in it came from, so that unloading a plug-in takes all of it away.
#pragma once

#include <unordered_map>
#include <vector>

#include "ImplementationFactory.h"

class Boss;

struct ImplementationFactory {
  PluginID plugin = 0;
  ImplementationID id = kInvalidImpl;
  CreateImplementationProc create = nullptr;
  DestroyImplementationProc destroy = nullptr;
  ImplementationSizeProc size = nullptr;
  ReadWriteImplementationProc readWrite = nullptr;  // null for implementations that are not stored
};

struct InterfaceBinding {
  PMIID interfaceID;
  ImplementationID implementation;
};

// Each host keeps one (Host::Model()).
class ObjectModel {
 public:
  // Answers false, and keeps the first, when the implementation ID is taken already.
  bool RegisterImplementation(const ImplementationFactory& factory);
  const ImplementationFactory* FindImplementation(ImplementationID id) const;
  // The implementations a plug-in registered, in the order it registered them.
  std::vector<ImplementationID> ImplementationsOf(PluginID plugin) const;

  // A class inherits its parent's bindings; its own bindings override those of the same interface.
  // Answers false, changing nothing, when the class is defined already.
  bool DefineClass(ClassID id, ClassID parent, std::vector<InterfaceBinding> bindings,
                   PluginID owner = 0);
  // Add-ins may come before the class is defined; they take effect once it is.
  void AddIn(ClassID id, std::vector<InterfaceBinding> bindings, PluginID owner = 0);
  bool IsClassDefined(ClassID id) const;
  // The interfaces of a class in binding order: parent's first, then its own, then add-ins.
  std::vector<InterfaceBinding> ResolveClass(ClassID id) const;

  // Forgets every implementation, class and add-in of one plug-in (when its module is unloaded).
  void ForgetPlugin(PluginID plugin);

 private:
  struct OwnedBinding {
    InterfaceBinding binding;
    PluginID owner;
  };
  struct ClassDefinition {
    bool defined = false;
    PluginID owner = 0;
    ClassID parent = kInvalidClass;
    std::vector<InterfaceBinding> bindings;
    std::vector<OwnedBinding> addIns;
  };
  std::unordered_map<ImplementationID, ImplementationFactory> fImplementations;
  std::vector<ImplementationID> fRegistrationOrder;
  std::unordered_map<ClassID, ClassDefinition> fClasses;
};
