// The host's registry of implementations and classes, and the factory of bosses.
//
// A plug-in (and the host itself) registers implementations by ID with their create, destroy,
// size and read/write functions; class definitions bind interface IDs to implementation IDs, and
// add-ins bind further interfaces to a class defined elsewhere.
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

class ObjectModel {
 public:
  // The process-wide registry (the host runs on one thread).
  static ObjectModel& Get();

  // Answers false, and keeps the first, when the implementation ID is taken already.
  bool RegisterImplementation(const ImplementationFactory& factory);
  const ImplementationFactory* FindImplementation(ImplementationID id) const;

  // A class inherits its parent's bindings; its own bindings override those of the same interface.
  void DefineClass(ClassID id, ClassID parent, std::vector<InterfaceBinding> bindings);
  void AddIn(ClassID id, std::vector<InterfaceBinding> bindings);
  bool IsClassDefined(ClassID id) const { return fClasses.count(id) != 0; }
  // The interfaces of a class in binding order: parent's first, then its own, then add-ins.
  std::vector<InterfaceBinding> ResolveClass(ClassID id) const;

  // Forgets every implementation and class of one plug-in (when its module is unloaded).
  void ForgetPlugin(PluginID plugin);

 private:
  struct ClassDefinition {
    ClassID parent = kInvalidClass;
    std::vector<InterfaceBinding> bindings;
    std::vector<InterfaceBinding> addIns;
  };
  std::unordered_map<ImplementationID, ImplementationFactory> fImplementations;
  std::unordered_map<ClassID, ClassDefinition> fClasses;
};
