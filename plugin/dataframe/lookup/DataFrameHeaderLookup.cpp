#include "dataframe/lookup/DataFrameHeaderLookup.h"

#include "dataframe/lookup/FrameStoryText.h"
#include "dataframe/parser/HeaderReader.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagRecordSource.h"

void ReadStraightenedStory(const UIDRef& frame, PMString& text) {
  ReadFrameStoryText(frame, text, 0, 0);
  StraightenQuotes(text);
}

bool16 ReadDataFrameHeader(const UIDRef& frame, DataFrameType* type, DataFrameScope* scope,
                           PMString& name) {
  if (frame == kInvalidUIDRef) return kTrue;
  if (type) *type = kDataFrameTypeUnknown;
  if (scope) *scope = kDataFrameScopeUnknown;
  if (!type && !scope) return kTrue;

  PMString text;
  ReadStraightenedStory(frame, text);
  if (text.IsEmpty()) return kTrue;
  ReadHeaderAttributes(text, type, scope, name);
  return kTrue;
}

bool16 CheckDataFrame(const UIDRef& frame, DataFrameType* type, DataFrameScope* scope,
                      PMString& name, PMString& frameID) {
  MemBlock payload = nullptr;
  uint32 length = 0;
  if (!ReadTagRecord(frame, kTagRecordSourceItem, kDataFrameMarkerKey, &payload, &length)) {
    return kFalse;
  }
  // A payload stored by another program may be short or lack its NUL: the reader stays inside it.
  frameID = ReadDataFrameMarker(payload, length).frameID;
  FreeMemBlock(payload);
  ReadDataFrameHeader(frame, type, scope, name);
  return kTrue;
}
