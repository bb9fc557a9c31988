#include "dataframe/lookup/DataFrameEntries.h"

#include "dataframe/lookup/DataFrameGathering.h"
#include "dataframe/lookup/FrameStoryText.h"
#include "dataframe/parser/EntryParser.h"
#include "dataframe/parser/HeaderReader.h"

void AppendDataFrameBodies(const UIDList& list, PMString& text) {
  PMString story;
  for (int32 i = 0; i < list.Length(); ++i) {
    ReadFrameStoryText(list.GetRef(i), story, 0, 0);
    if (story.IsEmpty()) continue;
    StraightenQuotes(story);
    text.Append(ExtractDataFrameBody(story));
  }
}

ErrorCode GetDataFrameEntries(const UIDRef& target, DataFrameType type, MemBlock* block,
                              uint32* size) {
  if (block) *block = nullptr;
  if (size) *size = 0;
  if (target == kInvalidUIDRef) return kFailure;

  IDataBase* db = target.GetDataBase();
  UIDList documentBucket(db), spreadBucket(db), pageBucket(db), fourthBucket(db);
  GatherDataFrames(target, type, documentBucket, spreadBucket, pageBucket, fourthBucket);

  PMString text;
  for (const UIDList* bucket : {&documentBucket, &spreadBucket, &pageBucket, &fourthBucket}) {
    AppendDataFrameBodies(*bucket, text);
  }
  ParseDataFrameEntries(text, type, block, size);
  return kSuccess;
}
