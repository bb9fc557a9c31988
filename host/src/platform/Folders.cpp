#include <cstdlib>
#include <filesystem>

#include "Platform.h"

namespace Platform {

std::string ExecutablePath() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

std::string ExecutableFolder() {
  std::string exe = ExecutablePath();
  return exe.empty() ? exe : std::filesystem::path(exe).parent_path().string();
}

// The freedesktop convention: $XDG_CONFIG_HOME, else ~/.config.
std::string UserRoamingFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return config;
  const char* home = std::getenv("HOME");
  if (home && home[0]) return (std::filesystem::path(home) / ".config").string();
  return (std::filesystem::temp_directory_path() / "vantelle-config").string();
}

}  // namespace Platform
