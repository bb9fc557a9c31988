// Replaces operator new and delete for the whole test program; they forward to malloc and free,
// and note the largest request while a probe is armed. Every form is replaced, nothrow and array
// ones included: a sanitizer runtime brings its own, which must never meet our delete.
#include "LargestAllocation.h"

#include <cstdlib>
#include <new>

namespace {
bool gArmed = false;
size_t gLargest = 0;

void* Allocate(size_t size) {
  if (gArmed && size > gLargest) gLargest = size;
  return std::malloc(size ? size : 1);
}
}  // namespace

LargestAllocation::LargestAllocation() {
  gLargest = 0;
  gArmed = true;
}
LargestAllocation::~LargestAllocation() {
  gArmed = false;
}
size_t LargestAllocation::Bytes() const {
  return gLargest;
}

void* operator new(size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, size_t) noexcept {
  std::free(p);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](size_t size) {
  return operator new(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
