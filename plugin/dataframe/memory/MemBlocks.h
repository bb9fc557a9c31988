// Memory blocks: every variable-size byte block the plug-in keeps or hands across lives in the
// session's memory service, so that any code of the session (other plug-ins included) can size,
// shrink and release it. Without a session or service, allocation yields null, the size 0, and
// resize and release do nothing.
#pragma once

#include "BaseType.h"

typedef void* MemBlock;

MemBlock NewMemBlock(uint32 size);
// The service's second allocation method, used by the script provider.
MemBlock NewMemBlockAlt(uint32 size);
uint32 MemBlockSize(MemBlock block);
// Shrinks in place; the block keeps its address.
void ResizeMemBlock(MemBlock block, uint32 newSize);
void FreeMemBlock(MemBlock block);
// A block that a scope owns: freed when the scope ends, on every path (memory that runs out may
// end it with an exception), unless released to a new owner first.
class OwnedMemBlock {
 public:
  explicit OwnedMemBlock(MemBlock block = nullptr) : fBlock(block) {}
  ~OwnedMemBlock() { FreeMemBlock(fBlock); }
  OwnedMemBlock(const OwnedMemBlock&) = delete;
  OwnedMemBlock& operator=(const OwnedMemBlock&) = delete;

  MemBlock get() const { return fBlock; }
  // For operations that replace the block they are given.
  MemBlock& ref() { return fBlock; }
  MemBlock release() {
    MemBlock block = fBlock;
    fBlock = nullptr;
    return block;
  }

 private:
  MemBlock fBlock;
};

// A short system beep (the platform's default beep), for a failure the user should notice.
void BeepAlert();
