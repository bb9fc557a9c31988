#include "PlugInLoader.h"

#include <algorithm>

#include "HostIDs.h"
#include "IStartupShutdownService.h"
#include "ResourceBlob.h"
#include "app/Host.h"
#include "objectmodel/Boss.h"
#include "scripting/ScriptManager.h"

struct PlugInLoader::Record {
  LoadedPlugIn info;
  IPlugIn* plugIn;
  std::unique_ptr<LoadedModule> module;  // null for a plug-in linked into the program
  PlugInResources resources;
};

namespace {

// The file name suffix of plug-in modules.
const std::string kPlugInSuffix = ".pln";

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

}  // namespace

PlugInLoader::PlugInLoader(Host& host) : fHost(host) {}

PlugInLoader::~PlugInLoader() = default;

void PlugInLoader::DefineResources(const PlugInResources& resources) {
  ObjectModel& model = fHost.Model();
  LoadReport& report = fHost.Report();
  const std::string subject = "plug-in " + LoadReport::HexID(resources.pluginID);
  for (const ClassResource& c : resources.classes) {
    if (!model.DefineClass(c.id, c.parent, c.bindings, resources.pluginID)) {
      report.Add(subject, "class " + LoadReport::HexID(c.id) + " is defined already");
    }
  }
  for (const AddInResource& a : resources.addIns) {
    model.AddIn(a.id, a.bindings, resources.pluginID);
  }
  for (const std::u16string& key :
       fHost.Strings().Add(resources.pluginID, MakeStringTable(resources))) {
    report.Add(subject, "string key " + PMString(key).GetUTF8String() + " is defined already");
  }
  InterfacePtr<ScriptManager> scripting = ScriptManager::OfSession();
  for (const ScriptElement& property : resources.scriptProperties) {
    const std::string refused = scripting ? scripting->AddElement(property) : "no scripting";
    if (!refused.empty()) {
      report.Add(subject, "scripting property " + property.name + " is left out: " + refused);
    }
  }
}

// The steps every plug-in goes through; answers whether it was installed.
bool PlugInLoader::Install(IPlugIn* plugIn, const std::string& path, const IDFile& resourceFile,
                           std::unique_ptr<LoadedModule> module) {
  if (!plugIn->IsCompatible()) {
    fHost.Report().Add(path, "the plug-in was built for another host");
    return false;
  }
  PlugInResources resources;
  std::string error;
  if (!ResourceBlob::ReadFromFile(fHost.Environment(), resourceFile.GetUTF8Path(), &resources,
                                  &error)) {
    fHost.Report().Add(path, error);
    return false;
  }
  for (const Record& other : fPlugIns) {
    if (other.info.id == resources.pluginID) {
      fHost.Report().Add(path, "plug-in " + LoadReport::HexID(resources.pluginID) +
                                   " is loaded already from " + other.info.path);
      return false;
    }
  }
  plugIn->SetPluginID(resources.pluginID);
  plugIn->Register(resources.pluginID);
  DefineResources(resources);
  fPlugIns.push_back({{resources.pluginID, resources.name, path},
                      plugIn,
                      std::move(module),
                      std::move(resources)});
  return true;
}

bool PlugInLoader::LoadFolder(const std::string& folder) {
  std::vector<std::string> names;
  std::string error;
  if (!fHost.Environment().ListFolder(folder, &names, &error)) {
    fHost.Report().Add(folder, "the plug-ins folder cannot be read (" + error + ")");
    return true;
  }
  const std::string prefix = folder.back() == '/' ? folder : folder + '/';
  std::vector<std::string> paths;
  for (const std::string& name : names) {
    const bool isModule =
        name.size() > kPlugInSuffix.size() &&
        name.compare(name.size() - kPlugInSuffix.size(), std::string::npos, kPlugInSuffix) == 0;
    if (isModule) paths.push_back(prefix + name);
  }
  std::sort(paths.begin(), paths.end());
  bool requiredLoaded = true;
  for (const std::string& path : paths) requiredLoaded = LoadModule(path) && requiredLoaded;
  return requiredLoaded;
}

bool PlugInLoader::LoadModule(const std::string& path) {
  std::string error;
  std::unique_ptr<LoadedModule> module = fHost.Environment().LoadModule(path, &error);
  if (!module) {
    fHost.Report().Add(path, "cannot be loaded: " + error);
    return true;
  }
  auto getPlugIn = reinterpret_cast<GetPlugInProc>(module->FindSymbol(kGetPlugInSymbol));
  if (!getPlugIn) {
    fHost.Report().Add(path, std::string("is no plug-in: it does not export ") + kGetPlugInSymbol);
    return true;
  }
  IPlugIn* plugIn = getPlugIn();
  if (!plugIn) {
    fHost.Report().Add(path, std::string(kGetPlugInSymbol) + " answers no plug-in");
    return true;
  }
  IDFile resourceFile = plugIn->GetResourceFile();
  bool required = plugIn->IsRequired();
  return Install(plugIn, path, resourceFile, std::move(module)) || !required;
}

bool PlugInLoader::AdoptLinkedPlugIn(IPlugIn* plugIn, const IDFile& resourceFile) {
  if (!plugIn) return false;
  return Install(plugIn, resourceFile.GetUTF8Path(), resourceFile, nullptr);
}

void PlugInLoader::StartServices() {
  ObjectModel& model = fHost.Model();
  for (const Record& record : fPlugIns) {
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
        fHost.Report().Add("plug-in " + LoadReport::HexID(record.info.id),
                           "start-up service class " + LoadReport::HexID(c.id) + " cannot be made");
        continue;
      }
      fServices.push_back(service);
      service->Startup();
    }
  }
}

void PlugInLoader::StopServices() {
  while (!fServices.empty()) {
    IStartupShutdownService* service = fServices.back();
    fServices.pop_back();
    service->Shutdown();
    service->Release();
  }
}

void PlugInLoader::UnloadAll() {
  while (!fPlugIns.empty()) {
    Record record = std::move(fPlugIns.back());
    fPlugIns.pop_back();
    fHost.Model().ForgetPlugin(record.info.id);
    fHost.Strings().Remove(record.info.id);
    record.plugIn->Terminate();
    if (record.module && !record.plugIn->CanUnload()) record.module->KeepLoaded();
  }
}

std::vector<LoadedPlugIn> PlugInLoader::Loaded() const {
  std::vector<LoadedPlugIn> loaded;
  for (const Record& record : fPlugIns) loaded.push_back(record.info);
  return loaded;
}

const PlugInResources* PlugInLoader::ResourcesOf(PluginID plugin) const {
  for (const Record& record : fPlugIns) {
    if (record.info.id == plugin) return &record.resources;
  }
  return nullptr;
}

const DataResource* PlugInLoader::FindResource(PluginID plugin, uint32 type, uint32 id) const {
  const PlugInResources* resources = ResourcesOf(plugin);
  for (size_t i = 0; resources && i < resources->data.size(); ++i) {
    if (resources->data[i].type == type && resources->data[i].id == id) return &resources->data[i];
  }
  return nullptr;
}
