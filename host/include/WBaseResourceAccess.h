// Access to a plug-in's resources. Each plug-in keeps one process-wide record of where its
// resource file lies (its own module file, found when the module is attached to the process) and
// builds resource accesses on it.
#pragma once

#include <cstdint>

#include "IDFile.h"

class WBaseResourceAccess {
 public:
  struct FileInfo {
    IDFile file;
    // Not used by this host; kept 0.
    uint32 reserved1;
    uintptr_t reserved2;
  };
  // The plug-in's record. Each plug-in defines it in its own code, built before its process entry
  // runs (PLATFORM_INIT_FIRST).
  static FileInfo ResourceFileInfo;

  WBaseResourceAccess(PluginID pluginID, const FileInfo& info)
      : fPluginID(pluginID), fFile(info.file) {}
  virtual ~WBaseResourceAccess() = default;

  PluginID GetPluginID() const { return fPluginID; }
  const IDFile& GetResourceFile() const { return fFile; }

 private:
  PluginID fPluginID;
  IDFile fFile;
};
