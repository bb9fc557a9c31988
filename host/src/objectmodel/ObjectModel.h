// The host's registry of implementations and classes, and the factory of bosses.
//
// A plug-in (and the host itself) registers implementations by ID with their create, destroy,
// size and read/write functions; class definitions bind interface IDs to implementation IDs, and
// add-ins bind further interfaces to a class defined elsewhere. Every registration remembers the
// plug-in it came from, so that unloading a plug-in takes all of it away.
#pragma once

#include <memory>
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

// The parts every boss of a class is made of, resolved once: each interface with the factory of
// its implementation (those whose factory is missing left out), and an index from interface to
// part that every boss of the class shares, so that finding an interface of a boss reads memory
// that the whole walk of a document keeps in cache.
class ClassLayout {
 public:
  struct PartKind {
    PMIID interfaceID;
    const ImplementationFactory* factory;
  };
  explicit ClassLayout(std::vector<PartKind> parts);

  const std::vector<PartKind>& Parts() const { return fParts; }
  // The index of the part that implements the interface, -1 when none does.
  int32 PartOf(PMIID interfaceID) const {
    for (size_t i = Slot(interfaceID);; i = (i + 1) & (fSlots.size() - 1)) {
      if (fSlots[i].part < 0 || fSlots[i].interfaceID == interfaceID) return fSlots[i].part;
    }
  }

 private:
  size_t Slot(PMIID interfaceID) const {
    return (static_cast<uint32>(interfaceID) * 0x9E3779B1u) >> fShift;
  }
  struct IndexSlot {
    PMIID interfaceID = 0;
    int32 part = -1;  // -1 for a free slot
  };
  std::vector<PartKind> fParts;
  std::vector<IndexSlot> fSlots;  // a power of two, at most half used
  int fShift = 32;
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
  // The layout of the class's bosses as the model stands; null when the class is not defined or
  // memory runs out. A boss keeps the layout it was made with when the model changes later.
  std::shared_ptr<const ClassLayout> LayoutOf(ClassID id) const;

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
  // Layouts made since the model last changed.
  mutable std::unordered_map<ClassID, std::shared_ptr<const ClassLayout>> fLayouts;
};
