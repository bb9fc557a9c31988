// vantelle parse: the entry block the plug-in hands out for a data frame text, for people who
// prepare data frame text outside the host.
#include <cstdio>
#include <cstring>
#include <string>

#include "CommandInput.h"
#include "Commands.h"
#include "HeaderText.h"
#include "ToolArguments.h"
#include "ToolSession.h"
#include "dataframe/parser/DataFrameParser.h"
#include "text/OutputBuffer.h"
#include "text/OutputText.h"

namespace {

constexpr const char* kParseUsage =
    "usage: vantelle parse [--type T] [--format tsv|hex|json] [FILE]\n";

constexpr const char* kParseHelp =
    "usage: vantelle parse [--type T] [--format tsv|hex|json] [FILE]\n"
    "\n"
    "Reads FILE (standard input when FILE is absent or \"-\") as the UTF-8 text of one data\n"
    "frame, every character kept as it is, and prints the entry block the plug-in hands out for\n"
    "it: typographic closing quotes are straightened, the body after the header is taken (the\n"
    "text after the first \"/>\" that follows the first \"<dataframe\", else the whole text), its\n"
    "comments are cut out and, for labels, each line becomes a label/value entry.\n"
    "\n"
    "  --type T     parse as type T: labels, index, mfgindex, auxkeys, pellow, shared_pellow, or\n"
    "               a number; without it the header's type is used (-1 when it has none).\n"
    "               Only labels (0) yield entries.\n"
    "  --format F   tsv (default): a line '# type=T scope=S name=\"...\"', then one line per "
    "entry,\n"
    "                 label TAB value, in UTF-8 (backslashes and control characters escaped).\n"
    "               hex: the whole block as uppercase hexadecimal, two digits a byte, one line.\n"
    "               json: one object with type, scope, name and the entries.\n"
    "\n"
    "Exit status: 0 success, 1 unreadable or non-UTF-8 input, 2 bad arguments.\n";

// In the order of ReadToolArguments' formats.
enum OutputFormat { kTsv, kHex, kJson };

uint32 ReadU32(const uint8* at) {
  uint32 value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// Calls visit(label, labelLength, value, valueLength) for each entry of a block, each read within
// the bounds its size field and the block give.
template <class Visit>
void ForEachEntry(const uint8* block, uint32 size, Visit visit) {
  const uint32 count = ReadU32(block + kDataFrameEntryBlockCountOffset);
  uint32 offset = kDataFrameEntryBlockHeadSize;
  for (uint32 i = 0; i < count && size - offset >= kDataFrameEntrySizeFieldSize; ++i) {
    const uint32 entrySize = ReadU32(block + offset);
    if (entrySize < kDataFrameEntrySizeFieldSize || entrySize > size - offset) break;
    const uint8* label = block + offset + kDataFrameEntrySizeFieldSize;
    const uint8* end = block + offset + entrySize;
    const auto* labelEnd = static_cast<const uint8*>(std::memchr(label, 0, size_t(end - label)));
    if (!labelEnd) labelEnd = end;
    const uint8* value = labelEnd == end ? end : labelEnd + 1;
    const auto* valueEnd = static_cast<const uint8*>(std::memchr(value, 0, size_t(end - value)));
    if (!valueEnd) valueEnd = end;
    visit(label, size_t(labelEnd - label), value, size_t(valueEnd - value));
    offset += entrySize;
  }
}

void WriteTsv(OutputBuffer& out, const DataFrameHeader& header, const uint8* block, uint32 size) {
  out.Append("# " + HeaderText(header.type, header.scope, header.name) + "\n");
  ForEachEntry(block, size,
               [&](const uint8* label, size_t labelLength, const uint8* value, size_t valueLength) {
                 out.AppendPlatformText(label, labelLength, false);
                 out.Append('\t');
                 out.AppendPlatformText(value, valueLength, false);
                 out.Append('\n');
               });
}

void WriteJson(OutputBuffer& out, const DataFrameHeader& header, const uint8* block, uint32 size) {
  out.Append("{\"type\":" + std::to_string(header.type) +
             ",\"scope\":" + std::to_string(header.scope) +
             ",\"name\":" + JsonQuote(header.name.GetUTF16()) + ",\"entries\":[");
  bool first = true;
  ForEachEntry(block, size,
               [&](const uint8* label, size_t labelLength, const uint8* value, size_t valueLength) {
                 out.Append(first ? "{\"label\":\"" : ",{\"label\":\"");
                 first = false;
                 out.AppendPlatformText(label, labelLength, true);
                 out.Append("\",\"value\":\"");
                 out.AppendPlatformText(value, valueLength, true);
                 out.Append("\"}");
               });
  out.Append("]}\n");
}

// Reads the input as the plug-in reads a data frame's story and parses its body into a new entry
// block. The text is gone when this returns: only the block is held while the output is written.
// Null, having said why, when the input cannot be read or the block cannot be had.
MemBlock ReadAndParse(const ToolArguments& options, DataFrameHeader& header, uint32& size) {
  PMString text;
  std::string inputError;
  if (!ReadUTF8Input(options.files[0], text, inputError)) {
    std::fprintf(stderr, "vantelle parse: %s\n", inputError.c_str());
    return nullptr;
  }
  StraightenQuotes(text);
  ReadHeaderAttributes(text, &header.type, &header.scope, header.name);
  if (options.typeGiven) header.type = options.type;

  MemBlock block = nullptr;
  ParseDataFrameBody(text, DataFrameBodyStart(text), header.type, &block, &size);
  if (!block) std::fprintf(stderr, "vantelle parse: no memory for the entry block\n");
  return block;
}

}  // namespace

int RunParseCommand(const CommandArgs& args) {
  ToolArguments options;
  std::string argumentError = ReadToolArguments(args, {"tsv", "hex", "json"}, options);
  if (argumentError.empty() && options.files.size() > 1) argumentError = "more than one input file";
  if (!argumentError.empty()) {
    std::fprintf(stderr, "vantelle parse: %s\n%s", argumentError.c_str(), kParseUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kParseHelp, stdout);
    return 0;
  }

  ToolSession session;
  DataFrameHeader header;
  uint32 size = 0;
  MemBlock block = ReadAndParse(options, header, size);
  if (!block) return 1;
  const auto* bytes = static_cast<const uint8*>(block);
  {
    OutputBuffer out(stdout);
    switch (options.format) {
      case kHex:
        out.AppendHex(bytes, size);
        out.Append('\n');
        break;
      case kTsv:
        WriteTsv(out, header, bytes, size);
        break;
      case kJson:
        WriteJson(out, header, bytes, size);
        break;
    }
  }
  FreeMemBlock(block);
  return 0;
}
