#include "PartState.h"

#include "InterfacePtr.h"
#include "persist/MemoryStreams.h"

namespace PartState {

bool IsPersistent(const Boss::Part& part) {
  return part.factory->readWrite != nullptr;
}

std::vector<uint8> Capture(const Boss::Part& part) {
  InterfacePtr<MemoryWriteStream> stream(new MemoryWriteStream());
  part.factory->readWrite(part.implementation, stream, part.factory->id);
  return stream->Bytes();
}

bool Read(const Boss::Part& part, const uint8* data, size_t size) {
  InterfacePtr<MemoryReadStream> stream(new MemoryReadStream(data, size));
  part.factory->readWrite(part.implementation, stream, part.factory->id);
  return stream->GetStreamState() != IPMStream::kStreamStateFailure && stream->Remaining() == 0;
}

bool Restore(Boss* boss, size_t part, const std::vector<uint8>& bytes) {
  Boss::Part fresh = boss->Parts()[part];
  fresh.implementation = fresh.factory->create(boss);
  if (!fresh.implementation) return false;
  try {
    if (Read(fresh, bytes.data(), bytes.size())) {
      boss->ReplaceImplementation(part, fresh.implementation);
      return true;
    }
  } catch (...) {
    fresh.factory->destroy(fresh.implementation);
    throw;
  }
  fresh.factory->destroy(fresh.implementation);
  return false;
}

}  // namespace PartState
