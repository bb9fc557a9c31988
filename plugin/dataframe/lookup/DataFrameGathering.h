// The document walk: which data frames of a type apply to a target page item, by scope.
#pragma once

#include <vector>

#include "PMString.h"
#include "UIDList.h"
#include "UIDRef.h"
#include "dataframe/DataFrameTypes.h"

// Where the target lies: the page that holds its outermost owner (kInvalidUID when none: an item
// on a pasteboard, or a document without the pieces needed to tell) and the index of the spread
// that holds that page (-1 when none).
void LocateTargetPage(const UIDRef& target, UID& page, int32& spreadIndex);

// Appends the frames inside a group, at any depth, in hierarchy order (depth first). Members that
// are neither frames nor groups are left out.
void FlattenGroupInto(const UIDRef& group, UIDList& list);

// A data frame the walk found, with its story text as the walk read it (quotes straightened):
// its header was read from this text, and its body is taken from it, so each story is read once.
struct GatheredDataFrame {
  UID frame;
  PMString text;
};

// The data frames of the type (page items that carry the data frame marker and whose header names
// the type) that apply to a target, by scope: document scope, spread scope on the target's
// spread, page scope on the target's page. Frames of other scopes go nowhere. Within a bucket
// frames stand in spread order, then page order, then in the order the page lists its items, the
// frames inside groups after them.
struct DataFrameBuckets {
  std::vector<GatheredDataFrame> document;
  std::vector<GatheredDataFrame> spread;
  std::vector<GatheredDataFrame> page;
};

// Appends the data frames that apply to the target to the buckets.
void GatherDataFrames(const UIDRef& target, DataFrameType type, DataFrameBuckets& buckets);
