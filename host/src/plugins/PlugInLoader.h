// A host's plug-ins: loads them into the running session and unloads them at quit.
//
// For each plug-in: find its plug-in object (a module's GetPlugIn), check it was built for this
// host, read its resources through the file its resource operation names (they say the plug-in's
// ID), give it that ID, let it register its implementations, then define its classes, add-ins and
// string tables. A plug-in that fails any step is reported (LoadReport) and skipped.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "IDFile.h"
#include "IPlugIn.h"
#include "PlugInResources.h"

class Host;
class IStartupShutdownService;
class LoadedModule;

struct LoadedPlugIn {
  PluginID id;
  std::string name;
  // The module's path, or the resource file's for a plug-in linked into the program.
  std::string path;
};

class PlugInLoader {
 public:
  explicit PlugInLoader(Host& host);
  ~PlugInLoader();
  PlugInLoader(const PlugInLoader&) = delete;
  PlugInLoader& operator=(const PlugInLoader&) = delete;

  // Loads every module with the plug-in suffix in the folder, in the order of their names. A
  // missing folder is reported and loads nothing. Answers false when a required plug-in failed.
  bool LoadFolder(const std::string& folder);
  // Loads one module; answers whether it was loaded (or, if it failed, false only when it was
  // required).
  bool LoadModule(const std::string& path);
  // Installs a plug-in whose code is linked into the program, with resources read from the given
  // file instead of the one it names (tests run the plug-in's code in the test program and read
  // the resources of the module built from the same sources).
  bool AdoptLinkedPlugIn(IPlugIn* plugIn, const IDFile& resourceFile);

  // Makes one object of every class of the loaded plug-ins that has IStartupShutdownService and
  // starts it: plug-ins in load order, classes in definition order. Plug-ins that want no
  // services are passed over.
  void StartServices();
  // Shuts the services down in the reverse order and releases them.
  void StopServices();
  // Forgets the plug-ins' classes, implementations and strings, terminates them and unloads their
  // modules, newest first. Every object of theirs must be gone.
  void UnloadAll();

  std::vector<LoadedPlugIn> Loaded() const;
  // The resources of a loaded plug-in, or null.
  const PlugInResources* ResourcesOf(PluginID plugin) const;
  // One data resource of a loaded plug-in, or null.
  const DataResource* FindResource(PluginID plugin, uint32 type, uint32 id) const;

 private:
  struct Record;

  bool Install(IPlugIn* plugIn, const std::string& path, const IDFile& resourceFile,
               std::unique_ptr<LoadedModule> module);
  void DefineResources(const PlugInResources& resources);

  Host& fHost;
  std::vector<Record> fPlugIns;
  std::vector<IStartupShutdownService*> fServices;
};
