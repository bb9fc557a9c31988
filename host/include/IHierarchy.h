// The hierarchy of a document's layout, on spreads, pages and page items: a spread holds its
// pages and then the items on its pasteboard; a page holds its items back to front; a group holds
// its members in the order given; a text frame holds the column that links it to its story.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class IHierarchy : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IHIERARCHY };

  virtual int32 GetChildCount() const = 0;
  // kInvalidUID when the index is out of range.
  virtual UID GetChildUID(int32 index) const = 0;
  // The child's hierarchy with a reference added; null when the index is out of range.
  virtual IHierarchy* QueryChild(int32 index) const = 0;
  // The child's index, -1 when it is no child of this object.
  virtual int32 GetChildIndex(UID child) const = 0;
  // kInvalidUID for the top of a hierarchy (a spread).
  virtual UID GetParentUID() const = 0;
  virtual IHierarchy* QueryParent() const = 0;

  // Changes, made by the host's commands. Each records the object's state for undo first.
  // Inserts a child at an index (clamped; -1 appends) and makes this object its parent.
  virtual void AddChild(UID child, int32 index = -1) = 0;
  // Removes a child and leaves it without a parent; a UID that is no child changes nothing.
  virtual void RemoveChild(UID child) = 0;
  // The parent side of AddChild and RemoveChild.
  virtual void SetParentUID(UID parent) = 0;
};
