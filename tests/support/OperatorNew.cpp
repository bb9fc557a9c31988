// Every form is replaced, nothrow and array ones included: a sanitizer runtime brings its own,
// which must never meet our delete.
#include "OperatorNew.h"

#include <cstdlib>
#include <new>

namespace {

bool gProbing = false;
size_t gLargest = 0;
uint64 gLive = 0;
uint64 gCalls = 0;
uint64 gFailAt = 0;
bool gFailed = false;

void* Allocate(size_t size) {
  if (gFailAt != 0 && ++gCalls == gFailAt) {
    gFailAt = 0;
    gFailed = true;
    return nullptr;
  }
  if (gProbing && size > gLargest) gLargest = size;
  void* p = std::malloc(size ? size : 1);
  if (p) ++gLive;
  return p;
}

void Free(void* p) {
  if (!p) return;
  --gLive;
  std::free(p);
}

}  // namespace

namespace OperatorNew {

uint64 Live() {
  return gLive;
}

void FailNth(uint64 nth) {
  gCalls = 0;
  gFailAt = nth;
  gFailed = false;
}

bool Disarm() {
  gFailAt = 0;
  return gFailed;
}

}  // namespace OperatorNew

LargestAllocation::LargestAllocation() {
  gLargest = 0;
  gProbing = true;
}
LargestAllocation::~LargestAllocation() {
  gProbing = false;
}
size_t LargestAllocation::Bytes() const {
  return gLargest;
}

void* operator new(size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
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
void operator delete(void* p) noexcept {
  Free(p);
}
void operator delete(void* p, size_t) noexcept {
  Free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  Free(p);
}
void operator delete[](void* p) noexcept {
  Free(p);
}
void operator delete[](void* p, size_t) noexcept {
  Free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  Free(p);
}
