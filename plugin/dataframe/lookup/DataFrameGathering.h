// The document walk: which data frames of a type apply to a target page item, by scope.
#pragma once

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

// Appends to the buckets the data frames of the type (page items that carry the data frame
// marker and whose header names the type) that apply to the target: document scope to the
// document bucket, spread scope on the target's spread to the spread bucket, page scope on the
// target's page to the page bucket. Frames of other scopes go nowhere; the fourth bucket stays
// as it is. Within a bucket frames stand in spread order, then page order, then in the order the
// page lists its items, the frames inside groups after them.
void GatherDataFrames(const UIDRef& target, DataFrameType type, UIDList& documentBucket,
                      UIDList& spreadBucket, UIDList& pageBucket, UIDList& fourthBucket);
