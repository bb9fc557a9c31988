// The labels of a text met so far, each with the line it was first given on.
#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "BaseType.h"

// Labels met so far, each with the line it was first given on: an open-addressing table of small
// slots over the labels' bytes, which are kept one after the other in one buffer, so that a label
// costs no allocation of its own however many there are.
class LabelLines {
 public:
  LabelLines() : fSlots(1024) {}

  // The line the label was first given on; 0, recording the line, when it is new.
  uint32 FindOrAdd(std::string_view label, uint32 line) {
    const uint32 hash = Hash(label);
    for (size_t i = hash & (fSlots.size() - 1);; i = (i + 1) & (fSlots.size() - 1)) {
      Slot& slot = fSlots[i];
      if (slot.line == 0) {
        slot = {hash, line, static_cast<uint32>(fBytes.size()), static_cast<uint32>(label.size())};
        fBytes.append(label);
        if (++fUsed * 4 > fSlots.size() * 3) Grow();
        return 0;
      }
      if (slot.hash == hash && std::string_view(fBytes).substr(slot.offset, slot.length) == label) {
        return slot.line;
      }
    }
  }

 private:
  // Eight bytes at a time, each mixed in by a multiplication.
  static uint32 Hash(std::string_view label) {
    uint64 hash = label.size();
    size_t at = 0;
    for (; at + 8 <= label.size(); at += 8) {
      uint64 eight;
      std::memcpy(&eight, label.data() + at, 8);
      hash = (hash ^ eight) * 0x9E3779B97F4A7C15u;
      hash ^= hash >> 29;
    }
    uint64 rest = 0;
    std::memcpy(&rest, label.data() + at, label.size() - at);
    hash = (hash ^ rest) * 0x9E3779B97F4A7C15u;
    return static_cast<uint32>(hash >> 32);
  }

  struct Slot {
    uint32 hash = 0;
    uint32 line = 0;  // 0 for a free slot
    uint32 offset = 0;
    uint32 length = 0;
  };

  void Grow() {
    std::vector<Slot> old(fSlots.size() * 2);
    old.swap(fSlots);
    for (const Slot& slot : old) {
      if (slot.line == 0) continue;
      size_t i = slot.hash & (fSlots.size() - 1);
      while (fSlots[i].line != 0) i = (i + 1) & (fSlots.size() - 1);
      fSlots[i] = slot;
    }
  }

  std::vector<Slot> fSlots;  // a power of two, at most three quarters used
  size_t fUsed = 0;
  std::string fBytes;
};
