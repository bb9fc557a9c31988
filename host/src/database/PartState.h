// The persistent state of one implementation of a boss, as the bytes its own ReadWrite writes.
// Undo snapshots and document files both hold implementations in this form.
#pragma once

#include <vector>

#include "objectmodel/Boss.h"

namespace PartState {

// Whether the part is stored at all (its factory has a read/write function).
bool IsPersistent(const Boss::Part& part);
// The part's bytes, written by its ReadWrite.
std::vector<uint8> Capture(const Boss::Part& part);
// Has the part's implementation read exactly these bytes; false when its ReadWrite wanted more
// than there are or left some unread.
bool Read(const Boss::Part& part, const uint8* data, size_t size);
// Puts a fresh implementation that has read the bytes in the part's place, as a freshly loaded
// object would be; the boss keeps the old one retired. False, changing nothing, when no fresh
// implementation can be made or the bytes do not read back; throws, changing nothing, when
// memory runs out.
bool Restore(Boss* boss, size_t part, const std::vector<uint8>& bytes);

}  // namespace PartState
