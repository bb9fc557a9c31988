#include "dataframe/lookup/DataFrameEntries.h"

#include "dataframe/parser/EntryParser.h"
#include "dataframe/parser/HeaderReader.h"

void AppendDataFrameBodies(const std::vector<GatheredDataFrame>& bucket, PMString& text) {
  for (const GatheredDataFrame& frame : bucket) {
    const std::u16string& story = frame.text.GetUTF16();
    text.GetUTF16Mutable().append(story, static_cast<size_t>(DataFrameBodyStart(frame.text)));
  }
}

ErrorCode GetDataFrameEntries(const UIDRef& target, DataFrameType type, MemBlock* block,
                              uint32* size) {
  if (block) *block = nullptr;
  if (size) *size = 0;
  if (target == kInvalidUIDRef) return kFailure;

  DataFrameBuckets buckets;
  GatherDataFrames(target, type, buckets);
  PMString text;
  for (const auto* bucket : {&buckets.document, &buckets.spread, &buckets.page}) {
    AppendDataFrameBodies(*bucket, text);
  }
  ParseDataFrameEntries(text, type, block, size);
  return kSuccess;
}
