#include "PlugInHost.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Host.h"
#include "frame/PlugIn.h"

void StartPlugInHost() {
  static Host host;
  static const bool started = [] {
    std::string folder = (std::filesystem::temp_directory_path() / "vantelle-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data())) return false;
    return host.StartWith({"", folder, folder}, [] {
      return host.PlugIns().AdoptLinkedPlugIn(GetPlugIn(), IDFile::FromUTF8(VANTELLE_MODULE_PATH));
    });
  }();
  if (started) return;
  std::fprintf(stderr, "the host could not start\n");
  std::abort();
}
