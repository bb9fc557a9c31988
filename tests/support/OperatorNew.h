// The test program replaces every form of operator new and delete (they forward to malloc and
// free) so that tests can see and steer what goes through them: the allocations still live, the
// largest request while a probe is alive, and a chosen allocation that fails.
#pragma once

#include <cstddef>

#include "BaseType.h"

namespace OperatorNew {

// Allocations made and not yet deleted.
uint64 Live();
// Makes the nth allocation from now fail (1: the next one): the throwing forms throw
// std::bad_alloc, the nothrow ones answer null.
void FailNth(uint64 nth);
// Stops failing; answers whether the armed failure happened.
bool Disarm();

}  // namespace OperatorNew

// Measures the largest single allocation made through operator new while a probe is alive, so
// that tests can prove a reader sizes nothing by what a hostile file claims.
class LargestAllocation {
 public:
  LargestAllocation();
  ~LargestAllocation();
  LargestAllocation(const LargestAllocation&) = delete;
  LargestAllocation& operator=(const LargestAllocation&) = delete;

  size_t Bytes() const;
};
