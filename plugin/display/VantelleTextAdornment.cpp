// The text adornment: the frame ID of a data frame's marker as yellow 18-point text on a black
// box just outside one side of the frame, the side its slug position names. It keeps nothing:
// every call reads the marker afresh.
#include <cmath>

#include "DrawingFlags.h"
#include "IDataBase.h"
#include "IFontMgr.h"
#include "IGeometry.h"
#include "IHierarchy.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "WideString.h"
#include "display/VantelleAdornmentShape.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagRecordSource.h"

namespace {

constexpr PMReal kSlugSize = 18.0;
constexpr int32 kSuppressingFlags = kDrawForPrint | kDrawPreview;
// The box's height in the painted bounds when the font reports no height.
constexpr PMReal kFallbackSlugHeight = 27.0;

enum SlugPosition : int16 { kAbove = 0, kLeft = 1, kBelow = 2, kRight = 3 };

struct Slug {
  PMString text;
  int16 position = kAbove;
};

Slug ReadSlug(IPMUnknown* shape) {
  Slug slug;
  InterfacePtr<IHierarchy> hierarchy(shape, IID_IHIERARCHY);
  const UIDRef item = hierarchy ? ::GetUIDRef(hierarchy) : kInvalidUIDRef;
  if (item == kInvalidUIDRef) return slug;
  MemBlock payload = nullptr;
  uint32 length = 0;
  if (ReadTagRecord(item, kTagRecordSourceItem, kDataFrameMarkerKey, &payload, &length) &&
      payload) {
    const DataFrameMarkerFields marker = ReadDataFrameMarker(payload, length);
    slug.text = marker.frameID;
    slug.position = marker.slugPosition;
  }
  if (payload) FreeMemBlock(payload);
  return slug;
}

WideString Padded(const PMString& text) {
  PMString padded(text);
  padded.Insert(PMString(" "), 0);
  padded.Append(" ");
  return WideString(padded);
}

// The text whose width the painted bounds take when there is no slug text: as many digits as a
// frame ID may have characters.
WideString MeasuringText() {
  WideString digits;
  for (int32 i = 1; i <= 255; ++i) digits.Append(static_cast<textchar>(u'0' + i % 10));
  return digits;
}

IPMFont* QuerySlugFont(IFontMgr* fonts) {
  PMString name("Helvetica");
  name.SetTranslatable(kFalse);
  return fonts ? fonts->QueryFont(name, PMString(), IFontMgr::kLatinScript, 0.7, nullptr) : nullptr;
}

IFontInstance* QuerySlugInstance(IFontMgr* fonts, IPMFont* font) {
  return fonts->QueryFontInstance(font, PMMatrix(kSlugSize, 0, 0, kSlugSize, 0, 0), nullptr);
}

PMReal Width(const IFontInstance& instance, const WideString& text) {
  PMReal width = 0;
  instance.MeasureWText(text.GetUTF16().data(), text.CharCount(), &width, nullptr);
  return width;
}

class VantelleTextAdornment : public VantelleAdornmentShape {
 public:
  using VantelleAdornmentShape::VantelleAdornmentShape;

  void DrawAdornment(IPMUnknown* shape, AdornmentDrawOrder drawOrder, GraphicsData* graphicsData,
                     int32 flags) override {
    if (drawOrder != kAfterItemDrawOrder || (flags & kSuppressingFlags) || !graphicsData) return;
    const Slug slug = ReadSlug(shape);
    if (slug.text.IsEmpty()) return;
    const WideString text = Padded(slug.text);
    InterfacePtr<IFontMgr> fonts(GetExecutionContextSession(), IID_IFONTMGR);
    InterfacePtr<IPMFont> font(QuerySlugFont(fonts));
    if (!font) return;
    InterfacePtr<IGeometry> geometry(shape, IID_IGEOMETRY);
    InterfacePtr<IHierarchy> hierarchy(shape, IID_IHIERARCHY);
    IGraphicsPort* port = graphicsData->GetGraphicsPort();
    if (!geometry || !hierarchy || !port) return;

    port->gsave();
    port->selectfont(font, kSlugSize);
    InterfacePtr<IFontInstance> instance(QuerySlugInstance(fonts, font));
    if (instance) DrawSlug(port, *instance, geometry->GetBoundingBox(), slug.position, text);
    port->grestore();
  }

  PMRect GetPaintedAdornmentBounds(IPMUnknown* shape, AdornmentDrawOrder, const PMRect& itemBounds,
                                   const PMMatrix& innerToBounds) override {
    PMRect r = itemBounds;
    PMMatrix boundsToInner = innerToBounds;
    boundsToInner.Invert();
    boundsToInner.Transform(&r);
    InterfacePtr<IFontMgr> fonts(GetExecutionContextSession(), IID_IFONTMGR);
    InterfacePtr<IPMFont> font(QuerySlugFont(fonts));
    const Slug slug = font ? ReadSlug(shape) : Slug();
    InterfacePtr<IFontInstance> instance(font ? QuerySlugInstance(fonts, font) : nullptr);
    if (instance) {
      const PMReal w = Width(*instance, slug.text.IsEmpty() ? MeasuringText() : Padded(slug.text));
      PMReal h = instance->GetAscent() + instance->GetDescent();
      if (std::abs(h) <= 1e-8) h = kFallbackSlugHeight;
      switch (slug.position) {
        case kAbove:
          r = PMRect(r.Left(), r.Top() - h, r.Left() + w, r.Bottom());
          break;
        case kLeft:
          r = PMRect(r.Left() - w, r.Top(), r.Right(), r.Top() + h);
          break;
        case kBelow:
          r = PMRect(r.Left(), r.Top(), r.Left() + w, r.Bottom() + h);
          break;
        case kRight:
          r = PMRect(r.Left(), r.Bottom() - h, r.Right() + w, r.Bottom());
          break;
        default:
          break;
      }
    }
    innerToBounds.Transform(&r);
    return r;
  }

 private:
  // The box touches the item's edge on the slug's side: its bottom lies on the top edge (above),
  // its right side on the left edge (left), its top on the bottom edge (below), its left side on
  // the right edge (right). Another position draws nothing.
  static void DrawSlug(IGraphicsPort* port, const IFontInstance& instance, const PMRect& box,
                       int16 position, const WideString& text) {
    const PMReal w = Width(instance, text);
    const PMReal ascent = instance.GetAscent(), descent = instance.GetDescent();
    PMReal x = 0, y = 0;
    switch (position) {
      case kAbove:
        x = box.Left();
        y = box.Top() - descent;
        break;
      case kLeft:
        x = box.Left() - w;
        y = box.Top() + ascent;
        break;
      case kBelow:
        x = box.Left();
        y = box.Bottom() + ascent;
        break;
      case kRight:
        x = box.Right();
        y = box.Bottom() - descent;
        break;
      default:
        return;
    }
    port->setrgbcolor(0, 0, 0);
    port->rectfill(x, y - ascent, w, ascent + descent);
    port->rectstroke(x, y - ascent, w, ascent + descent);
    // 255/256 of full red and green.
    port->setrgbcolor(0.99609375, 0.99609375, 0);
    port->show(x, y, text.CharCount(), text.GetUTF16().data(), 1, 0, 0);
  }
};

}  // namespace

CREATE_PMINTERFACE(VantelleTextAdornment, kVantelleTextAdornmentImpl);
