// The plug-in object: what a plug-in module's one export, GetPlugIn, answers. The host asks it
// about the plug-in, gives it its plug-in ID, lets it register its implementations and learns from
// it where the plug-in's resources are. The order of the operations is part of the contract
// between host and plug-ins.
#pragma once

#include "BaseType.h"
#include "IDFile.h"

class IPlugIn {
 public:
  // Whether the plug-in was built for this host; the host skips a plug-in that answers kFalse.
  virtual bool16 IsCompatible() const = 0;
  // Whether the host may unload the module at quit.
  virtual bool16 CanUnload() const = 0;
  // Whether the host must not run without the plug-in: a required plug-in that fails to load
  // makes the host's start fail.
  virtual bool16 IsRequired() const = 0;
  // Whether the host runs the start-up and shut-down services among the plug-in's classes.
  virtual bool16 WantsStartupServices() const = 0;
  // Called at quit after every object of the plug-in is gone, before the module is unloaded.
  virtual void Terminate() = 0;
  virtual PluginID GetPluginID() const = 0;
  virtual void SetPluginID(PluginID pluginID) = 0;
  // The file that holds the plug-in's resources.
  virtual IDFile GetResourceFile() const = 0;
  // Registers every implementation through the session's registration interface
  // (IImplementationRegistry).
  virtual void Register(PluginID pluginID) = 0;
  virtual ~IPlugIn() = default;
};

// The one export of a plug-in module, by this unmangled name.
typedef IPlugIn* (*GetPlugInProc)();
constexpr char kGetPlugInSymbol[] = "GetPlugIn";
