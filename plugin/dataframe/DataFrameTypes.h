// The data frame text format's vocabulary: the type and scope enumerations with their header
// keywords, the header as the reader yields it, and the layout of the binary entry block that the
// labels of a page item are parsed into.
#pragma once

#include "BaseType.h"
#include "PMString.h"

// What the entries of a data frame are. 16-bit signed; -1 when not set or not recognised.
typedef int16 DataFrameType;
constexpr DataFrameType kDataFrameTypeUnknown = -1;
constexpr DataFrameType kDataFrameTypeLabels = 0;
constexpr DataFrameType kDataFrameTypeIndex = 1;
constexpr DataFrameType kDataFrameTypeMfgIndex = 2;
constexpr DataFrameType kDataFrameTypeAuxKeys = 3;
constexpr DataFrameType kDataFrameTypePellow = 4;
constexpr DataFrameType kDataFrameTypeSharedPellow = 5;
constexpr int kDataFrameTypeCount = 6;

// To which page items a data frame applies. 16-bit signed; -1 when not set or not recognised.
typedef int16 DataFrameScope;
constexpr DataFrameScope kDataFrameScopeUnknown = -1;
constexpr DataFrameScope kDataFrameScopeFrame = 0;
constexpr DataFrameScope kDataFrameScopePage = 1;
constexpr DataFrameScope kDataFrameScopeSpread = 2;
constexpr DataFrameScope kDataFrameScopeDocument = 3;
constexpr DataFrameScope kDataFrameScopeGlobal = 4;
constexpr int kDataFrameScopeCount = 5;

// The keyword of each type and scope, indexed by value, as it stands in a header
// (type="labels", scope="page"); "unknown" is what the composer writes for -1.
constexpr const char* kDataFrameTypeKeywords[kDataFrameTypeCount] = {
    "labels", "index", "mfgindex", "auxkeys", "pellow", "shared_pellow"};
constexpr const char* kDataFrameScopeKeywords[kDataFrameScopeCount] = {"frame", "page", "spread",
                                                                       "document", "global"};
constexpr const char* kDataFrameUnknownKeyword = "unknown";

// Literals of the text format.
constexpr const char* kDataFrameHeaderOpener = "<dataframe";
constexpr const char* kDataFrameHeaderCloser = "/>";
constexpr const char* kDataFrameNameOpener = "name=\"";
constexpr const char* kDataFrameCommentOpener = "<!--";
constexpr const char* kDataFrameCommentCloser = "-->";
constexpr const char* kDataFrameMissingValue = "Missing Value";

// What the header reader yields. The match attributes only the composer writes are not part of it.
struct DataFrameHeader {
  DataFrameType type = kDataFrameTypeUnknown;
  DataFrameScope scope = kDataFrameScopeUnknown;
  PMString name;
};

// The head of an entry block: one memory block, all integers 32-bit in native byte order, the
// entries following the head back to back in text order. Each entry is a u32 size
// (4 + label bytes + 1 + value bytes + 1), the label's 8-bit bytes and a NUL, the value's bytes
// and a NUL; no padding anywhere. Blocks of any type but labels hold no entries.
struct DataFrameEntryBlock {
  uint32 totalSize;   // of the whole block, head included
  uint32 version;     // kDataFrameEntryBlockVersion
  int32 type;         // the DataFrameType asked for, sign-extended
  uint32 entryCount;  // entries that follow the head
};
static_assert(sizeof(DataFrameEntryBlock) == 16, "the head is 16 bytes with no padding");

constexpr uint32 kDataFrameEntryBlockHeadSize = 16;
constexpr uint32 kDataFrameEntryBlockVersion = 1;
// Byte offsets inside the head and inside one entry.
constexpr uint32 kDataFrameEntryBlockTotalSizeOffset = 0;
constexpr uint32 kDataFrameEntryBlockVersionOffset = 4;
constexpr uint32 kDataFrameEntryBlockTypeOffset = 8;
constexpr uint32 kDataFrameEntryBlockCountOffset = 12;
constexpr uint32 kDataFrameEntrySizeFieldSize = 4;
