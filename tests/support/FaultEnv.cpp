#include "FaultEnv.h"

namespace {

class FaultReadableFile final : public ReadableFile {
 public:
  FaultReadableFile(FaultEnv& env, std::unique_ptr<ReadableFile> file)
      : fEnv(env), fFile(std::move(file)) {
    fEnv.FileOpened();
  }
  ~FaultReadableFile() override { fEnv.FileClosed(); }

  uint64 Size() const override { return fFile->Size(); }
  bool Read(uint64 offset, size_t count, uint8* buffer, size_t* read, std::string* error) override {
    return !fEnv.Fails(FaultEnv::kRead, error) && fFile->Read(offset, count, buffer, read, error);
  }

 private:
  FaultEnv& fEnv;
  std::unique_ptr<ReadableFile> fFile;
};

class FaultWritableFile final : public WritableFile {
 public:
  FaultWritableFile(FaultEnv& env, std::unique_ptr<WritableFile> file)
      : fEnv(env), fFile(std::move(file)) {
    fEnv.FileOpened();
  }
  ~FaultWritableFile() override { fEnv.FileClosed(); }

  bool Append(const uint8* data, size_t count, std::string* error) override {
    return !fEnv.Fails(FaultEnv::kWrite, error) && fFile->Append(data, count, error);
  }
  bool Sync(std::string* error) override {
    return !fEnv.Fails(FaultEnv::kSync, error) && fFile->Sync(error);
  }
  bool Close(std::string* error) override { return fFile->Close(error); }

 private:
  FaultEnv& fEnv;
  std::unique_ptr<WritableFile> fFile;
};

}  // namespace

void FaultEnv::FailNth(Kind kind, uint64 nth) {
  fKind = kind;
  fCalls = 0;
  fFailAt = nth;
  fFailed = false;
}

bool FaultEnv::Disarm() {
  fFailAt = 0;
  return fFailed;
}

bool FaultEnv::Fails(Kind kind, std::string* error) {
  if (fFailAt == 0 || kind != fKind || ++fCalls != fFailAt) return false;
  fFailed = true;
  if (error) *error = "injected failure";
  return true;
}

std::unique_ptr<ReadableFile> FaultEnv::OpenReadable(const std::string& path, std::string* error) {
  if (Fails(kRead, error)) return nullptr;
  std::unique_ptr<ReadableFile> file = fTarget.OpenReadable(path, error);
  if (!file) return nullptr;
  return std::make_unique<FaultReadableFile>(*this, std::move(file));
}

std::unique_ptr<WritableFile> FaultEnv::OpenWritable(const std::string& path, bool append,
                                                     std::string* error) {
  if (Fails(kWrite, error)) return nullptr;
  std::unique_ptr<WritableFile> file = fTarget.OpenWritable(path, append, error);
  if (!file) return nullptr;
  return std::make_unique<FaultWritableFile>(*this, std::move(file));
}

bool FaultEnv::Rename(const std::string& from, const std::string& to, std::string* error) {
  return !Fails(kRename, error) && fTarget.Rename(from, to, error);
}
