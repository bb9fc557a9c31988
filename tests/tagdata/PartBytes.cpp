#include "tagdata/PartBytes.h"

#include <stdexcept>

#include "database/PartState.h"

namespace {

const Boss::Part& PartOf(const IPMUnknown* object, PMIID interfaceID) {
  for (const Boss::Part& part : Boss::Of(object)->Parts())
    if (part.interfaceID == interfaceID) return part;
  throw std::logic_error("the object lacks the interface");
}

}  // namespace

std::vector<uint8> StoredBytes(const IPMUnknown* object, PMIID interfaceID) {
  return PartState::Capture(PartOf(object, interfaceID));
}

bool ReadStoredBytes(const IPMUnknown* object, PMIID interfaceID, const std::vector<uint8>& bytes) {
  return PartState::Read(PartOf(object, interfaceID), bytes.data(), bytes.size());
}
