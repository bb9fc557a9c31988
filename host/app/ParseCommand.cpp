// vantelle parse: the entry block the plug-in hands out for a data frame text, for people who
// prepare data frame text outside the host.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "CommandInput.h"
#include "Commands.h"
#include "HeaderText.h"
#include "ToolSession.h"
#include "dataframe/parser/DataFrameParser.h"
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

enum class OutputFormat { kTsv, kHex, kJson };

struct ParseOptions {
  bool typeGiven = false;
  DataFrameType type = kDataFrameTypeUnknown;
  OutputFormat format = OutputFormat::kTsv;
  std::string path = "-";
  bool help = false;
};

// A type keyword, or a decimal number that fits 16 bits.
bool ReadTypeArgument(const std::string& word, DataFrameType& type) {
  for (int value = 0; value < kDataFrameTypeCount; ++value) {
    if (word == kDataFrameTypeKeywords[value]) {
      type = static_cast<DataFrameType>(value);
      return true;
    }
  }
  const size_t signLength = word[0] == '-' ? 1 : 0;
  if (word.size() == signLength || word.size() - signLength > 5) return false;
  for (size_t i = signLength; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return false;
  }
  const long number = std::strtol(word.c_str(), nullptr, 10);
  if (number < INT16_MIN || number > INT16_MAX) return false;
  type = static_cast<DataFrameType>(number);
  return true;
}

bool ReadFormatArgument(const std::string& word, OutputFormat& format) {
  if (word == "tsv") {
    format = OutputFormat::kTsv;
  } else if (word == "hex") {
    format = OutputFormat::kHex;
  } else if (word == "json") {
    format = OutputFormat::kJson;
  } else {
    return false;
  }
  return true;
}

// Answers an error message, empty when the arguments are good.
std::string ReadParseOptions(const CommandArgs& args, ParseOptions& options) {
  bool havePath = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--type" || arg == "--format") {
      if (i + 1 == args.size()) return arg + " needs a value";
      const std::string& value = args[++i];
      if (arg == "--type") {
        if (!ReadTypeArgument(value, options.type)) return "unknown type '" + value + "'";
        options.typeGiven = true;
      } else if (!ReadFormatArgument(value, options.format)) {
        return "unknown format '" + value + "'";
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option '" + arg + "'";
    } else if (havePath) {
      return "more than one input file";
    } else {
      options.path = arg;
      havePath = true;
    }
  }
  return std::string();
}

struct Entry {
  std::string label;  // UTF-8
  std::string value;
};

uint32 ReadU32(const uint8* at) {
  uint32 value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// The 8-bit string at [at, end) up to its NUL, in UTF-8; at moves past the NUL.
std::string ReadEntryString(const uint8*& at, const uint8* end) {
  const uint8* nul = static_cast<const uint8*>(std::memchr(at, 0, static_cast<size_t>(end - at)));
  if (!nul) nul = end;
  PMString text(
      PlatformEncoding::Decode(reinterpret_cast<const char*>(at), static_cast<size_t>(nul - at)));
  at = nul == end ? end : nul + 1;
  return text.GetUTF8String();
}

// The entries of a block, each read within the bounds its size field and the block give.
std::vector<Entry> ReadEntries(const uint8* block, uint32 size) {
  std::vector<Entry> entries;
  uint32 count = ReadU32(block + kDataFrameEntryBlockCountOffset);
  uint32 offset = kDataFrameEntryBlockHeadSize;
  for (uint32 i = 0; i < count && size - offset >= kDataFrameEntrySizeFieldSize; ++i) {
    uint32 entrySize = ReadU32(block + offset);
    if (entrySize < kDataFrameEntrySizeFieldSize || entrySize > size - offset) break;
    const uint8* at = block + offset + kDataFrameEntrySizeFieldSize;
    const uint8* end = block + offset + entrySize;
    Entry entry;
    entry.label = ReadEntryString(at, end);
    entry.value = ReadEntryString(at, end);
    entries.push_back(std::move(entry));
    offset += entrySize;
  }
  return entries;
}

std::string HexText(const uint8* block, uint32 size) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(size_t{size} * 2 + 1);
  for (uint32 i = 0; i < size; ++i) {
    out.push_back(kDigits[block[i] >> 4]);
    out.push_back(kDigits[block[i] & 0x0F]);
  }
  out.push_back('\n');
  return out;
}

std::string TsvText(const DataFrameHeader& header, const std::vector<Entry>& entries) {
  std::string out = "# " + HeaderText(header.type, header.scope, header.name) + "\n";
  for (const Entry& entry : entries) {
    out += EscapedField(entry.label) + "\t" + EscapedField(entry.value) + "\n";
  }
  return out;
}

std::string JsonText(const DataFrameHeader& header, const std::vector<Entry>& entries) {
  std::string out = "{\"type\":" + std::to_string(header.type) +
                    ",\"scope\":" + std::to_string(header.scope) +
                    ",\"name\":" + JsonQuote(header.name.GetUTF8String()) + ",\"entries\":[";
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i != 0) out.push_back(',');
    out += "{\"label\":" + JsonQuote(entries[i].label) +
           ",\"value\":" + JsonQuote(entries[i].value) + "}";
  }
  out += "]}\n";
  return out;
}

}  // namespace

int RunParseCommand(const CommandArgs& args) {
  ParseOptions options;
  std::string argumentError = ReadParseOptions(args, options);
  if (!argumentError.empty()) {
    std::fprintf(stderr, "vantelle parse: %s\n%s", argumentError.c_str(), kParseUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kParseHelp, stdout);
    return 0;
  }

  ToolSession session;
  PMString text;
  std::string inputError;
  if (!ReadUTF8Input(options.path, text, inputError)) {
    std::fprintf(stderr, "vantelle parse: %s\n", inputError.c_str());
    return 1;
  }
  StraightenQuotes(text);
  DataFrameHeader header;
  ReadHeaderAttributes(text, &header.type, &header.scope, header.name);
  if (options.typeGiven) header.type = options.type;

  PMString body = text.Substring(DataFrameBodyStart(text));
  MemBlock block = nullptr;
  uint32 size = 0;
  ParseDataFrameEntries(body, header.type, &block, &size);
  if (!block) {
    std::fprintf(stderr, "vantelle parse: no memory for the entry block\n");
    return 1;
  }
  const auto* bytes = static_cast<const uint8*>(block);
  std::string out;
  switch (options.format) {
    case OutputFormat::kHex:
      out = HexText(bytes, size);
      break;
    case OutputFormat::kTsv:
      out = TsvText(header, ReadEntries(bytes, size));
      break;
    case OutputFormat::kJson:
      out = JsonText(header, ReadEntries(bytes, size));
      break;
  }
  FreeMemBlock(block);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
