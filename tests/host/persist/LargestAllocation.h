// Measures the largest single allocation made through operator new while a probe is alive, so
// that tests can prove a reader sizes nothing by what a hostile file claims.
#pragma once

#include <cstddef>

class LargestAllocation {
 public:
  LargestAllocation();
  ~LargestAllocation();
  LargestAllocation(const LargestAllocation&) = delete;
  LargestAllocation& operator=(const LargestAllocation&) = delete;

  size_t Bytes() const;
};
