// The look of a page item: the graphic attributes it is drawn with, its opacity and whether it
// prints. Saved with the document; changed only through the host's commands (the attribute-list
// command, the non-printing command and the opacity utility), so every change is undoable.
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

enum GraphicAttributeKind : int32 {
  kFillSwatchAttr = 0,
  kFillTintAttr,
  kStrokeSwatchAttr,
  kStrokeTintAttr,
  kStrokeWeightAttr,
  kClassAttr,
  kSwitchAttr,
};

// One attribute with its value: a swatch UID (kInvalidUID: no swatch), a class ID or a switch
// value in id; a tint (percent of the swatch, 0 to 100) or a weight (points, 0 to 1000) in amount.
struct GraphicAttributeValue {
  GraphicAttributeKind kind = kFillSwatchAttr;
  uint32 id = 0;
  PMReal amount = 0;
};

// What a new page item holds.
constexpr PMReal kDefaultTint = 100.0;
constexpr PMReal kDefaultStrokeWeight = 1.0;
constexpr ClassID kDefaultClassAttribute = 0x5A29;
constexpr PMReal kDefaultOpacity = 100.0;

class IGraphicAttributes : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IGRAPHICATTRIBUTES };

  virtual UID GetFillSwatch() const = 0;
  virtual PMReal GetFillTint() const = 0;
  virtual UID GetStrokeSwatch() const = 0;
  virtual PMReal GetStrokeTint() const = 0;
  virtual PMReal GetStrokeWeight() const = 0;
  virtual ClassID GetClassAttribute() const = 0;
  virtual uint32 GetSwitchAttribute() const = 0;
  virtual bool16 GetNonPrinting() const = 0;
  // Percent, 0 (transparent) to 100 (opaque).
  virtual PMReal GetOpacity() const = 0;

  // Changes, made by the host's commands, which check the values first.
  virtual void Apply(const GraphicAttributeValue& attribute) = 0;
  virtual void SetNonPrinting(bool16 nonPrinting) = 0;
  virtual void SetOpacity(PMReal percent) = 0;
};
