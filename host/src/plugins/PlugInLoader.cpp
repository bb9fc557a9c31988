#include "PlugInLoader.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "HostIDs.h"
#include "IStartupShutdownService.h"
#include "LoadReport.h"
#include "ResourceBlob.h"
#include "objectmodel/Boss.h"
#include "platform/Platform.h"
#include "ui/StringTables.h"

namespace {

struct PlugInRecord {
  LoadedPlugIn info;
  IPlugIn* plugIn;
  std::unique_ptr<Platform::DynamicModule> module;  // null for a plug-in linked into the program
  PlugInResources resources;
};

std::vector<PlugInRecord>& PlugIns() {
  static std::vector<PlugInRecord> plugIns;
  return plugIns;
}

std::vector<IStartupShutdownService*>& Services() {
  static std::vector<IStartupShutdownService*> services;
  return services;
}

StringTables::Table MakeStringTable(const PlugInResources& resources) {
  StringTables::Table table;
  for (const auto& [key, text] : resources.strings) {
    PMString wideKey, wideText;
    wideKey.SetUTF8String(key);
    wideText.SetUTF8String(text);
    table.emplace(wideKey.GetUTF16(), wideText.GetUTF16());
  }
  return table;
}

void DefineResources(const PlugInResources& resources) {
  ObjectModel& model = ObjectModel::Get();
  const std::string subject = "plug-in " + LoadReport::HexID(resources.pluginID);
  for (const ClassResource& c : resources.classes) {
    if (!model.DefineClass(c.id, c.parent, c.bindings, resources.pluginID)) {
      LoadReport::Add(subject, "class " + LoadReport::HexID(c.id) + " is defined already");
    }
  }
  for (const AddInResource& a : resources.addIns) {
    model.AddIn(a.id, a.bindings, resources.pluginID);
  }
  for (const std::u16string& key :
       StringTables::Add(resources.pluginID, MakeStringTable(resources))) {
    LoadReport::Add(subject, "string key " + PMString(key).GetUTF8String() + " is defined already");
  }
}

// The steps every plug-in goes through; answers whether it was installed.
bool Install(IPlugIn* plugIn, const std::string& path, const IDFile& resourceFile,
             std::unique_ptr<Platform::DynamicModule> module) {
  if (!plugIn->IsCompatible()) {
    LoadReport::Add(path, "the plug-in was built for another host");
    return false;
  }
  PlugInResources resources;
  std::string error;
  if (!ResourceBlob::ReadFromFile(resourceFile.GetUTF8Path(), &resources, &error)) {
    LoadReport::Add(path, error);
    return false;
  }
  for (const PlugInRecord& other : PlugIns()) {
    if (other.info.id == resources.pluginID) {
      LoadReport::Add(path, "plug-in " + LoadReport::HexID(resources.pluginID) +
                                " is loaded already from " + other.info.path);
      return false;
    }
  }
  plugIn->SetPluginID(resources.pluginID);
  plugIn->Register(resources.pluginID);
  DefineResources(resources);
  PlugIns().push_back({{resources.pluginID, resources.name, path},
                       plugIn,
                       std::move(module),
                       std::move(resources)});
  return true;
}

}  // namespace

namespace PlugInLoader {

bool LoadFolder(const std::string& folder) {
  std::error_code error;
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() == Platform::kPlugInSuffix) paths.push_back(entry.path().string());
  }
  if (error) {
    LoadReport::Add(folder, "the plug-ins folder cannot be read (" + error.message() + ")");
    return true;
  }
  std::sort(paths.begin(), paths.end());
  bool requiredLoaded = true;
  for (const std::string& path : paths) requiredLoaded = LoadModule(path) && requiredLoaded;
  return requiredLoaded;
}

bool LoadModule(const std::string& path) {
  std::string error;
  std::unique_ptr<Platform::DynamicModule> module = Platform::DynamicModule::Load(path, &error);
  if (!module) {
    LoadReport::Add(path, "cannot be loaded: " + error);
    return true;
  }
  auto getPlugIn = reinterpret_cast<GetPlugInProc>(module->FindSymbol(kGetPlugInSymbol));
  if (!getPlugIn) {
    LoadReport::Add(path, std::string("is no plug-in: it does not export ") + kGetPlugInSymbol);
    return true;
  }
  IPlugIn* plugIn = getPlugIn();
  if (!plugIn) {
    LoadReport::Add(path, std::string(kGetPlugInSymbol) + " answers no plug-in");
    return true;
  }
  IDFile resourceFile = plugIn->GetResourceFile();
  bool required = plugIn->IsRequired();
  return Install(plugIn, path, resourceFile, std::move(module)) || !required;
}

bool AdoptLinkedPlugIn(IPlugIn* plugIn, const IDFile& resourceFile) {
  if (!plugIn) return false;
  return Install(plugIn, resourceFile.GetUTF8Path(), resourceFile, nullptr);
}

void StartServices() {
  ObjectModel& model = ObjectModel::Get();
  for (const PlugInRecord& record : PlugIns()) {
    if (!record.plugIn->WantsStartupServices()) continue;
    for (const ClassResource& c : record.resources.classes) {
      std::vector<InterfaceBinding> bindings = model.ResolveClass(c.id);
      bool isService = std::any_of(bindings.begin(), bindings.end(), [](const InterfaceBinding& b) {
        return b.interfaceID == IID_ISTARTUPSHUTDOWNSERVICE;
      });
      if (!isService) continue;
      Boss* boss = Boss::Create(c.id);
      if (!boss) continue;
      auto* service =
          static_cast<IStartupShutdownService*>(boss->QueryInterface(IID_ISTARTUPSHUTDOWNSERVICE));
      boss->Release();
      if (!service) {
        LoadReport::Add("plug-in " + LoadReport::HexID(record.info.id),
                        "start-up service class " + LoadReport::HexID(c.id) + " cannot be made");
        continue;
      }
      Services().push_back(service);
      service->Startup();
    }
  }
}

void StopServices() {
  std::vector<IStartupShutdownService*>& services = Services();
  while (!services.empty()) {
    IStartupShutdownService* service = services.back();
    services.pop_back();
    service->Shutdown();
    service->Release();
  }
}

void UnloadAll() {
  std::vector<PlugInRecord>& plugIns = PlugIns();
  while (!plugIns.empty()) {
    PlugInRecord record = std::move(plugIns.back());
    plugIns.pop_back();
    ObjectModel::Get().ForgetPlugin(record.info.id);
    StringTables::Remove(record.info.id);
    record.plugIn->Terminate();
    if (record.module && !record.plugIn->CanUnload()) record.module->KeepLoaded();
  }
}

std::vector<LoadedPlugIn> Loaded() {
  std::vector<LoadedPlugIn> loaded;
  for (const PlugInRecord& record : PlugIns()) loaded.push_back(record.info);
  return loaded;
}

}  // namespace PlugInLoader
