#include "MemoryShortage.h"

namespace MemoryShortage {
namespace {
uint64 gRefusals = 0;
}  // namespace

void Note() {
  ++gRefusals;
}

uint64 Count() {
  return gRefusals;
}

}  // namespace MemoryShortage
