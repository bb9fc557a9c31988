// An Env that forwards to another and fails the Nth call of one kind: a read (opening a file to
// read it counts as one), a write (opening a file to write it and each append count), a sync or a
// rename. The failed call changes nothing. It also counts the files open through it, so that a
// test can see that none is left open.
#pragma once

#include "platform/Env.h"

class FaultEnv final : public Env {
 public:
  enum Kind { kRead, kWrite, kSync, kRename };

  explicit FaultEnv(Env& target) : fTarget(target) {}

  // Makes the nth call of the kind from now fail (1: the next one).
  void FailNth(Kind kind, uint64 nth);
  // Stops failing; answers whether the armed failure happened.
  bool Disarm();
  // Files opened through this Env and not yet destroyed.
  int64 OpenFiles() const { return fOpenFiles; }

  // Counts a call of the kind; true when it is the one to fail (its error then says so).
  bool Fails(Kind kind, std::string* error);
  void FileOpened() { ++fOpenFiles; }
  void FileClosed() { --fOpenFiles; }

  std::unique_ptr<ReadableFile> OpenReadable(const std::string& path, std::string* error) override;
  std::unique_ptr<WritableFile> OpenWritable(const std::string& path, bool append,
                                             std::string* error) override;
  bool Rename(const std::string& from, const std::string& to, std::string* error) override;
  bool Remove(const std::string& path, std::string* error) override {
    return fTarget.Remove(path, error);
  }
  bool CreateFolders(const std::string& path, std::string* error) override {
    return fTarget.CreateFolders(path, error);
  }
  bool Exists(const std::string& path) override { return fTarget.Exists(path); }
  bool ListFolder(const std::string& path, std::vector<std::string>* names,
                  std::string* error) override {
    return fTarget.ListFolder(path, names, error);
  }
  std::unique_ptr<LoadedModule> LoadModule(const std::string& path, std::string* error) override {
    return fTarget.LoadModule(path, error);
  }
  std::string ProgramFolder() override { return fTarget.ProgramFolder(); }
  std::string UserRoamingFolder() override { return fTarget.UserRoamingFolder(); }
  uint64 NowMicros() override { return fTarget.NowMicros(); }
  void Beep(uint32 type) override { fTarget.Beep(type); }

 private:
  Env& fTarget;
  Kind fKind = kRead;
  uint64 fCalls = 0;
  uint64 fFailAt = 0;
  bool fFailed = false;
  int64 fOpenFiles = 0;
};
