// The labels of a text met so far, each with the line it was first given on.
#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "BaseType.h"

// Labels met so far, each with the line it was first given on: an open-addressing table of small
// slots (a hash and the label's number) over the labels, whose bytes are kept one after the other
// in one buffer, so that a label costs no allocation of its own however many there are, and the
// table that every look-up touches stays small enough for the processor's caches.
class LabelLines {
 public:
  LabelLines() : fSlots(1024) {}

  // The line the label was first given on; 0, recording the line, when it is new.
  uint32 FindOrAdd(std::string_view label, uint32 line) {
    const uint32 hash = Hash(label);
    for (size_t i = hash & (fSlots.size() - 1);; i = (i + 1) & (fSlots.size() - 1)) {
      Slot& slot = fSlots[i];
      if (slot.label == 0) {
        fLabels.push_back(
            {static_cast<uint32>(fBytes.size()), static_cast<uint32>(label.size()), line});
        fBytes.append(label);
        slot = {hash, static_cast<uint32>(fLabels.size())};
        if (fLabels.size() * 4 > fSlots.size() * 3) Grow();
        return 0;
      }
      if (slot.hash != hash) continue;
      const Label& known = fLabels[slot.label - 1];
      if (known.length == label.size() &&
          SameBytes(fBytes.data() + known.offset, label.data(), label.size())) {
        return known.line;
      }
    }
  }

 private:
  // Eight bytes at a time, inline: labels are short, and a library call costs more than the
  // comparison.
  static bool SameBytes(const char* a, const char* b, size_t size) {
    for (; size >= 8; a += 8, b += 8, size -= 8) {
      uint64 x, y;
      std::memcpy(&x, a, 8);
      std::memcpy(&y, b, 8);
      if (x != y) return false;
    }
    for (; size != 0; --size) {
      if (*a++ != *b++) return false;
    }
    return true;
  }

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

  struct Label {
    uint32 offset;
    uint32 length;
    uint32 line;
  };
  struct Slot {
    uint32 hash = 0;
    uint32 label = 0;  // the label's number from 1; 0 for a free slot
  };

  void Grow() {
    std::vector<Slot> old(fSlots.size() * 2);
    old.swap(fSlots);
    for (const Slot& slot : old) {
      if (slot.label == 0) continue;
      size_t i = slot.hash & (fSlots.size() - 1);
      while (fSlots[i].label != 0) i = (i + 1) & (fSlots.size() - 1);
      fSlots[i] = slot;
    }
  }

  std::vector<Slot> fSlots;  // a power of two, at most three quarters used
  std::vector<Label> fLabels;
  std::string fBytes;
};
