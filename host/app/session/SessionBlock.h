// A memory block of the session's memory service that a command holds, as a caller of the
// plug-in must: freed through the service when the command is done with it, on every path, unless
// handed on.
#pragma once

#include <utility>

class SessionBlock {
 public:
  explicit SessionBlock(void* block = nullptr) : fBlock(block) {}
  ~SessionBlock();
  SessionBlock(const SessionBlock&) = delete;
  SessionBlock& operator=(const SessionBlock&) = delete;

  void* get() const { return fBlock; }
  // Where a callee writes the block it hands over.
  void** out() { return &fBlock; }
  void* release() { return std::exchange(fBlock, nullptr); }

 private:
  void* fBlock;
};
