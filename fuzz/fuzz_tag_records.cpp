// Applies random sequences of find, put and delete to random record lists. A list that starts out
// valid is mirrored by a plain vector of records, and every edit must leave the list valid and
// byte for byte equal to the mirror; any list, valid or not, must never crash the store, and every
// input must hand back all of its memory blocks.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/Host.h"
#include "dataframe/memory/MemBlocks.h"
#include "support/CountingBlocks.h"
#include "tagdata/TagRecordLayout.h"
#include "tagdata/TagRecordList.h"

namespace {

struct Record {
  uint32 key;
  std::vector<uint8> data;
};

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "tag record store: %s\n", what);
  std::abort();
}

std::vector<uint8> Serialize(const std::vector<Record>& records, uint32 version) {
  std::vector<uint8> bytes(kTagRecordListHeadSize);
  for (const Record& r : records) {
    const size_t at = bytes.size();
    bytes.resize(at + kTagRecordHeadSize + r.data.size());
    PutBigEndian32(&bytes[at], static_cast<uint32>(r.data.size()));
    PutBigEndian32(&bytes[at + 4], r.key);
    if (!r.data.empty()) std::memcpy(&bytes[at + kTagRecordHeadSize], r.data.data(), r.data.size());
  }
  PutBigEndian32(bytes.data(), static_cast<uint32>(bytes.size() - kTagRecordListHeadSize));
  PutBigEndian32(bytes.data() + 4, version);
  return bytes;
}

MemBlock BlockOf(const std::vector<uint8>& bytes) {
  MemBlock block = NewMemBlock(static_cast<uint32>(bytes.size()));
  if (block && !bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
  return block;
}

bool Equals(MemBlock block, const std::vector<uint8>& bytes) {
  return MemBlockSize(block) == bytes.size() &&
         (bytes.empty() || std::memcmp(block, bytes.data(), bytes.size()) == 0);
}

// Keys come from a small set so that finds hit and equal keys meet.
uint32 PickKey(FuzzedDataProvider& input) {
  return 0x41514D30 + input.ConsumeIntegralInRange<uint32>(0, 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8* bytes, size_t size) {
  static CountingBlocks blocks;
  static Host host(Env::Default(), &blocks);
  host.Session().Start();
  const uint64 blocksBefore = blocks.LiveBlocks();
  FuzzedDataProvider input(bytes, size);

  // Either a raw block (anything, valid or not) or a list built from records, mirrored.
  bool mirrored = input.ConsumeBool();
  std::vector<Record> mirror;
  uint32 version = kTagRecordListVersion;
  MemBlock list = nullptr;
  if (mirrored) {
    version = input.ConsumeIntegral<uint32>();
    const size_t count = input.ConsumeIntegralInRange<size_t>(0, 8);
    for (size_t i = 0; i < count; ++i)
      mirror.push_back({PickKey(input), input.ConsumeBytes<uint8>(input.ConsumeIntegral<uint8>())});
    list = BlockOf(Serialize(mirror, version));
  } else if (input.ConsumeBool()) {
    list = BlockOf(input.ConsumeBytes<uint8>(input.ConsumeIntegral<uint16>()));
  }

  while (input.remaining_bytes() > 0) {
    const uint32 key = PickKey(input);
    switch (input.ConsumeIntegralInRange<int>(0, 2)) {
      case 0: {
        MemBlock data = nullptr;
        uint32 length = 0;
        const bool16 found = FindTagRecord(list, key, &data, &length);
        if (mirrored) {
          const Record* first = nullptr;
          for (const Record& r : mirror)
            if (r.key == key && !first) first = &r;
          Require((found != kFalse) == (first != nullptr), "find disagrees with the mirror");
          if (first) Require(Equals(data, first->data) && length == first->data.size(), "copy");
        }
        FreeMemBlock(data);
        break;
      }
      case 1:
      case 2: {
        const bool remove = input.ConsumeBool();
        const std::vector<uint8> data = input.ConsumeBytes<uint8>(input.ConsumeIntegral<uint8>());
        uint32 areaLength = 0;
        const bool wasValid = GetValidRecordAreaLength(list, &areaLength) != kFalse;
        static const uint8 kNoBytes = 0;  // a zero-length record still needs a data pointer
        const uint8* given = remove ? nullptr : data.empty() ? &kNoBytes : data.data();
        const bool16 put = PutTagRecord(list, key, given, static_cast<uint32>(data.size()));
        Require(put != kFalse, "put failed with memory to spare");
        Require(GetValidRecordAreaLength(list, &areaLength) != kFalse, "put left an invalid list");
        if (!wasValid) {
          // A replaced list holds only what was just written, under a fresh version word.
          mirrored = true;
          mirror.clear();
          version = kTagRecordListVersion;
        } else if (mirrored) {
          for (auto it = mirror.begin(); it != mirror.end(); ++it)
            if (it->key == key) {
              mirror.erase(it);
              break;
            }
        }
        if (mirrored) {
          if (!remove) mirror.push_back({key, data});
          Require(Equals(list, Serialize(mirror, version)), "list differs from the mirror");
        }
        break;
      }
    }
  }

  FreeMemBlock(list);
  Require(blocks.LiveBlocks() == blocksBefore, "memory blocks leaked");
  return 0;
}
