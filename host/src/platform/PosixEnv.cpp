// The host's environment on POSIX systems.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "Env.h"
#include "Platform.h"

namespace {

namespace fs = std::filesystem;

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

bool FailWithErrno(std::string* error) {
  return Fail(error, std::strerror(errno));
}

// Opens without waiting (a FIFO would wait for its other end) and keeps only regular files.
int OpenRegular(const std::string& path, int flags, std::string* error) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    FailWithErrno(error);
    return -1;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool folder = S_ISDIR(info.st_mode);
    ::close(fd);
    Fail(error, folder ? "it is a folder" : "it is not a regular file");
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

// Each file and module object is made before what it holds is opened, so that running out of
// memory leaves nothing open.
class PosixReadableFile final : public ReadableFile {
 public:
  ~PosixReadableFile() override {
    if (fFD >= 0) ::close(fFD);
  }
  bool Open(const std::string& path, std::string* error) {
    fFD = OpenRegular(path, O_RDONLY, error);
    struct stat info {};
    if (fFD < 0 || ::fstat(fFD, &info) != 0) return false;
    fSize = static_cast<uint64>(info.st_size);
    return true;
  }

  uint64 Size() const override { return fSize; }
  bool Read(uint64 offset, size_t count, uint8* buffer, size_t* read, std::string* error) override {
    ssize_t got;
    do {
      got = ::pread(fFD, buffer, count, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    if (got < 0) return FailWithErrno(error);
    *read = static_cast<size_t>(got);
    return true;
  }

 private:
  int fFD = -1;
  uint64 fSize = 0;
};

class PosixWritableFile final : public WritableFile {
 public:
  ~PosixWritableFile() override {
    if (fFD >= 0) ::close(fFD);
  }
  bool Open(const std::string& path, bool append, std::string* error) {
    fFD = OpenRegular(path, O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC), error);
    return fFD >= 0;
  }

  bool Append(const uint8* data, size_t count, std::string* error) override {
    while (count > 0) {
      const ssize_t written = ::write(fFD, data, count);
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return FailWithErrno(error);
      data += written;
      count -= static_cast<size_t>(written);
    }
    return true;
  }
  bool Sync(std::string* error) override { return ::fsync(fFD) == 0 || FailWithErrno(error); }
  bool Close(std::string* error) override {
    const int fd = std::exchange(fFD, -1);
    return ::close(fd) == 0 || FailWithErrno(error);
  }

 private:
  int fFD = -1;
};

class PosixModule final : public LoadedModule {
 public:
  ~PosixModule() override {
    if (fHandle && !fKeepLoaded) ::dlclose(fHandle);
  }
  bool Load(const std::string& path, std::string* error) {
    // Symbols stay private to the module: plug-ins share nothing but the host's library.
    fHandle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (fHandle) return true;
    const char* message = ::dlerror();
    return Fail(error, message ? message : "the module cannot be loaded");
  }
  void* FindSymbol(const char* name) const override { return ::dlsym(fHandle, name); }
  void KeepLoaded() override { fKeepLoaded = true; }

 private:
  void* fHandle = nullptr;
  bool fKeepLoaded = false;
};

class PosixEnv final : public Env {
 public:
  std::unique_ptr<ReadableFile> OpenReadable(const std::string& path, std::string* error) override {
    auto file = std::make_unique<PosixReadableFile>();
    if (!file->Open(path, error)) return nullptr;
    return file;
  }

  std::unique_ptr<WritableFile> OpenWritable(const std::string& path, bool append,
                                             std::string* error) override {
    auto file = std::make_unique<PosixWritableFile>();
    if (!file->Open(path, append, error)) return nullptr;
    return file;
  }

  bool Rename(const std::string& from, const std::string& to, std::string* error) override {
    return ::rename(from.c_str(), to.c_str()) == 0 || FailWithErrno(error);
  }

  bool Remove(const std::string& path, std::string* error) override {
    return ::unlink(path.c_str()) == 0 || FailWithErrno(error);
  }

  bool CreateFolders(const std::string& path, std::string* error) override {
    std::error_code code;
    fs::create_directories(fs::path(path), code);
    if (fs::is_directory(fs::path(path))) return true;
    return Fail(error, code ? code.message() : "a file stands in the way");
  }

  bool Exists(const std::string& path) override {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
  }

  bool ListFolder(const std::string& path, std::vector<std::string>* names,
                  std::string* error) override {
    std::error_code code;
    names->clear();
    for (const auto& entry : fs::directory_iterator(fs::path(path), code)) {
      names->push_back(entry.path().filename().string());
    }
    return !code || Fail(error, code.message());
  }

  std::unique_ptr<LoadedModule> LoadModule(const std::string& path, std::string* error) override {
    auto module = std::make_unique<PosixModule>();
    if (!module->Load(path, error)) return nullptr;
    return module;
  }

  std::string ProgramFolder() override {
    const std::string exe = Platform::ExecutablePath();
    return exe.empty() ? exe : fs::path(exe).parent_path().string();
  }

  // The freedesktop convention: $XDG_CONFIG_HOME, else ~/.config.
  std::string UserRoamingFolder() override {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    const char* home = std::getenv("HOME");
    if (home && home[0]) return (fs::path(home) / ".config").string();
    return (fs::temp_directory_path() / "vantelle-config").string();
  }

  uint64 NowMicros() override {
    timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<uint64>(now.tv_sec) * 1000000 + static_cast<uint64>(now.tv_nsec) / 1000;
  }

  // A terminal's bell is the system beep of a program without windows.
  void Beep(uint32) override {
    if (::isatty(STDERR_FILENO)) (void)!::write(STDERR_FILENO, "\a", 1);
  }
};

}  // namespace

Env& Env::Default() {
  static PosixEnv env;
  return env;
}

namespace Platform {

std::string ExecutablePath() {
  std::error_code error;
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

}  // namespace Platform
