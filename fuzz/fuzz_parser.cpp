// Feeds arbitrary text to the data frame parser: the header reader, the body rule and the entry
// parser, with the type taken from the input and, for some inputs, one allocation made to fail.
// Every block handed out must be well-formed, and without a failed allocation it must equal,
// byte for byte, the block of the direct step-by-step algorithm, as must the text left after the
// comments are cut. No input may leave a memory block behind.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/Host.h"
#include "dataframe/ReferenceParser.h"
#include "dataframe/parser/DataFrameParser.h"
#include "support/CountingBlocks.h"

namespace {

// The direct algorithm is quadratic; longer texts are checked for well-formedness only.
constexpr int32 kMaxComparedLength = 2048;

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "data frame parser: %s\n", what);
  std::abort();
}

uint32 U32At(const uint8* at) {
  uint32 value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// The head counts exactly the entries that follow it, each two NUL-terminated strings with no
// NUL inside, and the total is the block's size.
void RequireWellFormed(const uint8* block, uint32 size, int16 type) {
  Require(size >= 16 && U32At(block) == size, "total size differs from the block's size");
  Require(U32At(block + 4) == 1, "version is not 1");
  Require(static_cast<int32>(U32At(block + 8)) == type, "type is not the one asked for");
  uint32 count = 0;
  uint32 at = 16;
  while (at < size) {
    Require(size - at >= 6, "entry cut off");
    const uint32 entrySize = U32At(block + at);
    Require(entrySize >= 6 && entrySize <= size - at, "entry size out of the block");
    const auto* text = reinterpret_cast<const char*>(block + at + 4);
    const size_t labelLength = strnlen(text, entrySize - 4);
    Require(labelLength + 2 <= entrySize - 4, "label without its NUL");
    const size_t valueLength = strnlen(text + labelLength + 1, entrySize - 5 - labelLength);
    Require(4 + labelLength + 1 + valueLength + 1 == entrySize, "entry is not two C strings");
    at += entrySize;
    ++count;
  }
  Require(count == U32At(block + 12), "count differs from the entries held");
  Require(type == 0 || count == 0, "entries in a block of a type other than labels");
}

// The input's first byte chooses the type (mostly labels), the second how the rest is read
// (UTF-8, or raw UTF-16 units so that lone surrogates occur) and which allocation fails.
struct FuzzInput {
  int16 type;
  bool utf16;
  uint64 failAllocation;
  PMString text;
};

FuzzInput Decode(const uint8* data, size_t size) {
  FuzzInput input{0, false, 0, PMString()};
  if (size >= 1 && (data[0] & 0x80)) input.type = static_cast<int8>(data[0]) + 64;
  if (size >= 2) {
    input.utf16 = data[1] & 1;
    input.failAllocation = (data[1] >> 1) & 7;
  }
  const uint8* rest = size >= 2 ? data + 2 : data + size;
  const size_t restSize = size >= 2 ? size - 2 : 0;
  if (input.utf16) {
    std::u16string units(restSize / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) units[i] = rest[2 * i] | (rest[2 * i + 1] << 8);
    input.text = PMString(units);
  } else if (!input.text.SetUTF8String(
                 std::string(reinterpret_cast<const char*>(rest), restSize))) {
    input.text.SetCString(reinterpret_cast<const char*>(rest), static_cast<int32>(restSize));
  }
  return input;
}

CountingBlocks gBlocks;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static Host host(Env::Default(), &gBlocks);
  host.Session().Start();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint64 blocksBefore = gBlocks.LiveBlocks();
  FuzzInput input = Decode(data, size);

  StraightenQuotes(input.text);
  DataFrameHeader header;
  ReadHeaderAttributes(input.text, &header.type, &header.scope, header.name);
  const PMString body = input.text.Substring(DataFrameBodyStart(input.text));
  const bool compare = body.CharCount() <= kMaxComparedLength;

  PMString parsedText = body;
  MemBlock block = nullptr;
  uint32 blockSize = 0;
  gBlocks.FailAllocation(input.failAllocation);
  ParseDataFrameEntries(parsedText, input.type, &block, &blockSize);
  gBlocks.FailAllocation(0);
  if (block) {
    Require(MemBlockSize(block) == blockSize, "size handed out is not the block's size");
    RequireWellFormed(static_cast<const uint8*>(block), blockSize, input.type);
    if (compare && input.failAllocation == 0) {
      PMString referenceText = body;
      const std::string expected = Reference::ParseDataFrameEntries(referenceText, input.type);
      Require(expected == std::string(static_cast<const char*>(block), blockSize),
              "block differs from the reference");
      Require(referenceText == parsedText, "text after cutting comments differs");
    }
    FreeMemBlock(block);
  } else {
    // The head is the parse's first allocation.
    Require(input.failAllocation == 1, "no block although its head could be had");
  }
  Require(gBlocks.LiveBlocks() == blocksBefore, "a memory block leaked");
  return 0;
}
