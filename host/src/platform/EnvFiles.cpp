#include "EnvFiles.h"

namespace {

bool Fail(std::string* error, const std::string& message) {
  if (error) *error = message;
  return false;
}

}  // namespace

bool ReadWholeFile(Env& env, const std::string& path, uint64 limit, std::vector<uint8>* bytes,
                   std::string* error) {
  std::string why;
  std::unique_ptr<ReadableFile> file = env.OpenReadable(path, &why);
  if (!file) return Fail(error, "cannot open " + path + ": " + why);
  const uint64 size = file->Size();
  if (size > limit) {
    return Fail(error, path + " is larger than " + std::to_string(limit) + " bytes");
  }
  bytes->resize(static_cast<size_t>(size));
  size_t done = 0;
  while (done < bytes->size()) {
    size_t read = 0;
    if (!file->Read(done, bytes->size() - done, bytes->data() + done, &read, &why)) {
      return Fail(error, "cannot read " + path + ": " + why);
    }
    if (read == 0) return Fail(error, "cannot read " + path + ": it shrank while it was read");
    done += read;
  }
  uint8 beyond = 0;
  size_t read = 0;
  if (!file->Read(size, 1, &beyond, &read, &why)) {
    return Fail(error, "cannot read " + path + ": " + why);
  }
  if (read != 0) return Fail(error, "cannot read " + path + ": it grew while it was read");
  return true;
}

// The replacement exists before its temporary file does, so that whatever goes wrong from there on
// (an exception included) removes the temporary.
std::unique_ptr<FileReplacement> FileReplacement::Begin(Env& env, const std::string& path,
                                                        std::string* error) {
  std::unique_ptr<FileReplacement> replacement(new FileReplacement(env, path));
  std::string why;
  replacement->fFile = env.OpenWritable(replacement->fTemporary, false, &why);
  if (!replacement->fFile) {
    Fail(error, "cannot write " + path + ": " + why);
    return nullptr;
  }
  return replacement;
}

FileReplacement::FileReplacement(Env& env, const std::string& path)
    : fEnv(env), fPath(path), fTemporary(path + ".saving") {}

FileReplacement::~FileReplacement() {
  if (fCommitted) return;
  fFile.reset();
  fEnv.Remove(fTemporary, nullptr);
}

bool FileReplacement::Append(const uint8* data, size_t count, std::string* error) {
  if (fFailed) return Fail(error, "cannot write " + fPath + ": an earlier write failed");
  // Failed until the bytes are in: an append that throws (out of memory) must not be committed
  // by a stream that closes as it unwinds.
  fFailed = true;
  std::string why;
  if (!fFile->Append(data, count, &why)) return Fail(error, "cannot write " + fPath + ": " + why);
  fFailed = false;
  return true;
}

bool FileReplacement::Commit(std::string* error) {
  if (fFailed || fCommitted) return Fail(error, "cannot write " + fPath);
  std::string why;
  fFailed = !fFile->Sync(&why) || !fFile->Close(&why) || !fEnv.Rename(fTemporary, fPath, &why);
  if (fFailed) return Fail(error, "cannot write " + fPath + ": " + why);
  fCommitted = true;
  return true;
}

bool WriteFileAtomically(Env& env, const std::string& path, const uint8* data, size_t size,
                         std::string* error) {
  std::unique_ptr<FileReplacement> replacement = FileReplacement::Begin(env, path, error);
  return replacement && replacement->Append(data, size, error) && replacement->Commit(error);
}
