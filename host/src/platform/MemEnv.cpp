#include "MemEnv.h"

#include <algorithm>
#include <cstring>

namespace {

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

// "/a/b/" and "/a/b" name one folder.
std::string Normal(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The folder that holds a path ("" for a bare name, "/" for a name below the root).
std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

class MemReadableFile final : public ReadableFile {
 public:
  explicit MemReadableFile(std::shared_ptr<const std::vector<uint8>> contents)
      : fContents(std::move(contents)), fSize(fContents->size()) {}

  uint64 Size() const override { return fSize; }
  bool Read(uint64 offset, size_t count, uint8* buffer, size_t* read, std::string*) override {
    const size_t size = fContents->size();
    *read = offset >= size ? 0 : std::min<size_t>(count, size - static_cast<size_t>(offset));
    if (*read) std::memcpy(buffer, fContents->data() + offset, *read);
    return true;
  }

 private:
  std::shared_ptr<const std::vector<uint8>> fContents;
  uint64 fSize;
};

class MemWritableFile final : public WritableFile {
 public:
  explicit MemWritableFile(std::shared_ptr<std::vector<uint8>> contents)
      : fContents(std::move(contents)) {}

  bool Append(const uint8* data, size_t count, std::string* error) override {
    if (fClosed) return Fail(error, "the file is closed");
    fContents->insert(fContents->end(), data, data + count);
    return true;
  }
  bool Sync(std::string* error) override { return !fClosed || Fail(error, "the file is closed"); }
  bool Close(std::string* error) override {
    if (fClosed) return Fail(error, "the file is closed");
    fClosed = true;
    return true;
  }

 private:
  std::shared_ptr<std::vector<uint8>> fContents;
  bool fClosed = false;
};

}  // namespace

MemEnv::MemEnv() : fFolders{"/", "/app", "/roaming"} {}

std::unique_ptr<ReadableFile> MemEnv::OpenReadable(const std::string& path, std::string* error) {
  const std::string name = Normal(path);
  if (IsFolder(name)) {
    Fail(error, "it is a folder");
    return nullptr;
  }
  auto it = fFiles.find(name);
  if (it == fFiles.end()) {
    Fail(error, "No such file or directory");
    return nullptr;
  }
  return std::make_unique<MemReadableFile>(it->second);
}

std::unique_ptr<WritableFile> MemEnv::OpenWritable(const std::string& path, bool append,
                                                   std::string* error) {
  const std::string name = Normal(path);
  if (IsFolder(name)) {
    Fail(error, "it is a folder");
    return nullptr;
  }
  if (!IsFolder(ParentOf(name))) {
    Fail(error, "No such file or directory");
    return nullptr;
  }
  auto it = fFiles.find(name);
  Contents contents = it != fFiles.end() ? it->second : std::make_shared<std::vector<uint8>>();
  auto file = std::make_unique<MemWritableFile>(contents);
  if (it == fFiles.end()) fFiles.emplace(name, contents);
  if (!append) contents->clear();
  return file;
}

bool MemEnv::Rename(const std::string& from, const std::string& to, std::string* error) {
  auto it = fFiles.find(Normal(from));
  if (it == fFiles.end()) return Fail(error, "No such file or directory");
  const std::string target = Normal(to);
  if (IsFolder(target)) return Fail(error, "Is a directory");
  if (!IsFolder(ParentOf(target))) return Fail(error, "No such file or directory");
  if (target == it->first) return true;
  fFiles.insert_or_assign(target, it->second);
  fFiles.erase(it);
  return true;
}

bool MemEnv::Remove(const std::string& path, std::string* error) {
  return fFiles.erase(path) != 0 || Fail(error, "No such file or directory");
}

bool MemEnv::CreateFolders(const std::string& path, std::string* error) {
  const std::string name = Normal(path);
  if (name.empty()) return Fail(error, "No such file or directory");
  for (std::string folder = name; !folder.empty() && !IsFolder(folder); folder = ParentOf(folder)) {
    if (fFiles.count(folder)) return Fail(error, "a file stands in the way");
  }
  for (std::string folder = name; !folder.empty() && !IsFolder(folder); folder = ParentOf(folder)) {
    fFolders.insert(folder);
  }
  return true;
}

bool MemEnv::Exists(const std::string& path) {
  const std::string name = Normal(path);
  return IsFolder(name) || fFiles.count(name) != 0;
}

bool MemEnv::ListFolder(const std::string& path, std::vector<std::string>* names,
                        std::string* error) {
  const std::string folder = Normal(path);
  if (!IsFolder(folder)) return Fail(error, "No such file or directory");
  names->clear();
  auto addChild = [&](const std::string& entry) {
    if (entry != folder && ParentOf(entry) == folder) {
      names->push_back(entry.substr(entry.rfind('/') + 1));
    }
  };
  for (const auto& file : fFiles) addChild(file.first);
  for (const std::string& child : fFolders) addChild(child);
  return true;
}

std::unique_ptr<LoadedModule> MemEnv::LoadModule(const std::string&, std::string* error) {
  Fail(error, "modules cannot be loaded from memory");
  return nullptr;
}
