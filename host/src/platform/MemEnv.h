// An Env whose files and folders live in memory: tests and fuzzers run the host's file flows on
// it quickly and without touching the disk. It behaves as the POSIX one does (a file's folder must
// exist, a rename replaces its target, a folder is no file), so that what passes here passes
// there. It loads no modules; its program folder is "/app" and its roaming folder "/roaming",
// both present; its clock stands still at 0 and its beep is silent.
#pragma once

#include <map>
#include <memory>
#include <set>

#include "Env.h"

class MemEnv final : public Env {
 public:
  MemEnv();

  std::unique_ptr<ReadableFile> OpenReadable(const std::string& path, std::string* error) override;
  std::unique_ptr<WritableFile> OpenWritable(const std::string& path, bool append,
                                             std::string* error) override;
  bool Rename(const std::string& from, const std::string& to, std::string* error) override;
  bool Remove(const std::string& path, std::string* error) override;
  bool CreateFolders(const std::string& path, std::string* error) override;
  bool Exists(const std::string& path) override;
  bool ListFolder(const std::string& path, std::vector<std::string>* names,
                  std::string* error) override;
  std::unique_ptr<LoadedModule> LoadModule(const std::string& path, std::string* error) override;
  std::string ProgramFolder() override { return "/app"; }
  std::string UserRoamingFolder() override { return "/roaming"; }
  uint64 NowMicros() override { return 0; }
  void Beep(uint32) override {}

 private:
  typedef std::shared_ptr<std::vector<uint8>> Contents;

  bool IsFolder(const std::string& path) const { return fFolders.count(path) != 0; }

  // Open files keep their contents alive when the file is removed or replaced, as on POSIX.
  std::map<std::string, Contents> fFiles;
  std::set<std::string> fFolders;
};
