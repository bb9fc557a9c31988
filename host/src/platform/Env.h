// The host's environment: files and folders, loadable modules, the clock and the beep, all that
// the host asks of the operating system, behind one interface (in the manner of LevelDB's Env and
// SQLite's VFS). The POSIX one is the host's own (Env::Default); MemEnv keeps files in memory for
// tests; tests wrap either in one that fails chosen calls. A port to another system is one more
// implementation of this interface.
//
// Paths are UTF-8. A call that fails answers false (or null) and says why in *error when given;
// one that cannot have the memory it needs throws std::bad_alloc and changes nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "BaseType.h"

// A regular file open for reading.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  // The file's size when it was opened.
  virtual uint64 Size() const = 0;
  // Reads up to count bytes from offset; *read is how many came, fewer only at the file's end.
  virtual bool Read(uint64 offset, size_t count, uint8* buffer, size_t* read,
                    std::string* error) = 0;
};

// A file open for writing; it is closed when it goes, if Close was not called.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual bool Append(const uint8* data, size_t count, std::string* error) = 0;
  // Makes what was written durable: on the disk, not in a cache.
  virtual bool Sync(std::string* error) = 0;
  virtual bool Close(std::string* error) = 0;
};

// A loaded module, unloaded when it goes unless KeepLoaded was called.
class LoadedModule {
 public:
  virtual ~LoadedModule() = default;
  // The address of an exported symbol, or null.
  virtual void* FindSymbol(const char* name) const = 0;
  // Keeps the module mapped until the process ends, for a module that must not be unloaded.
  virtual void KeepLoaded() = 0;
};

class Env {
 public:
  virtual ~Env() = default;
  // The operating system's environment, which the running program shares.
  static Env& Default();

  // Opens a regular file; a folder, a pipe or a device is refused at once, without waiting.
  virtual std::unique_ptr<ReadableFile> OpenReadable(const std::string& path,
                                                     std::string* error) = 0;
  // Opens a regular file for writing, made when missing and emptied first unless append. The
  // folder that holds it must exist.
  virtual std::unique_ptr<WritableFile> OpenWritable(const std::string& path, bool append,
                                                     std::string* error) = 0;
  // Moves a file to another path in one step, replacing the file that was there.
  virtual bool Rename(const std::string& from, const std::string& to, std::string* error) = 0;
  // Removes a file; it allocates nothing, so that it may run where nothing may throw.
  virtual bool Remove(const std::string& path, std::string* error) = 0;
  // Creates the folder and the missing folders above it; true when it is a folder afterwards.
  virtual bool CreateFolders(const std::string& path, std::string* error) = 0;
  // Whether a file or folder of that path exists.
  virtual bool Exists(const std::string& path) = 0;
  // The names of a folder's entries, in no particular order.
  virtual bool ListFolder(const std::string& path, std::vector<std::string>* names,
                          std::string* error) = 0;

  virtual std::unique_ptr<LoadedModule> LoadModule(const std::string& path, std::string* error) = 0;

  // The folder of the running program, and the user's folder for roaming application data.
  virtual std::string ProgramFolder() = 0;
  virtual std::string UserRoamingFolder() = 0;

  // Microseconds since 1970-01-01 UTC.
  virtual uint64 NowMicros() = 0;
  // Sounds the system beep of the given kind (0 is the default beep).
  virtual void Beep(uint32 type) = 0;
};
