#include "SpreadDrawing.h"

#include <optional>

#include "DrawingFlags.h"
#include "IFontMgr.h"
#include "IGeometry.h"
#include "IGraphicAttributes.h"
#include "IHierarchy.h"
#include "IItemTransform.h"
#include "ISession.h"
#include "ISpread.h"
#include "ISwatch.h"
#include "ITextFrameColumn.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "ItemAdornments.h"
#include "StoryLayout.h"
#include "WideString.h"

namespace {

// The look of the host's own drawing.
// The pasteboard reaches this far beyond the pages, sideways and up and down.
constexpr PMReal kPasteboardWidth = 216;
constexpr PMReal kPasteboardHeight = 72;
constexpr PMReal kPageShadowOffset = 3;
constexpr PMReal kPasteboardGrey = 0.86;
constexpr PMReal kShadowGrey = 0.55;
constexpr PMReal kFrameEdge[] = {0.30, 0.52, 0.95};
constexpr PMReal kTextSize = 12;
constexpr PMReal kLeading = 14.4;
constexpr PMReal kTextInset = 4;

struct RGB {
  PMReal red, green, blue;
};

// A swatch's process colour at a tint (percent), as the screen shows it; nothing for a swatch
// without one ("None", "Registration") and for no swatch.
std::optional<RGB> SwatchColor(IDataBase* db, UID swatchUID, PMReal tint) {
  InterfacePtr<ISwatch> swatch(db, swatchUID, IID_ISWATCH);
  if (!swatch || !swatch->IsProcessColor()) return std::nullopt;
  const ProcessColor ink = swatch->GetProcessColor();
  const PMReal t = tint / 100;
  const PMReal white = 1 - ink.black * t;
  return RGB{(1 - ink.cyan * t) * white, (1 - ink.magenta * t) * white,
             (1 - ink.yellow * t) * white};
}

bool Shows(IPMUnknown* item, int32 flags) {
  InterfacePtr<IGraphicAttributes> look(item, IID_IGRAPHICATTRIBUTES);
  return !(look && look->GetNonPrinting() && (flags & (kDrawForPrint | kDrawPreview)));
}

PMRect PagesBounds(IDataBase* db, UID spread) {
  InterfacePtr<ISpread> pages(db, spread, IID_ISPREAD);
  return PMRect(0, 0, (pages ? pages->GetNumPages() : 0) * kPageWidth, kPageHeight);
}

// The top-level page items of the spread from back to front: those of its pages in page order,
// then those on its pasteboard.
std::vector<UID> ItemsOf(IDataBase* db, UID spread) {
  std::vector<UID> items;
  InterfacePtr<IHierarchy> hierarchy(db, spread, IID_IHIERARCHY);
  for (int32 i = 0; hierarchy && i < hierarchy->GetChildCount(); ++i) {
    const UID child = hierarchy->GetChildUID(i);
    if (db->GetClass(child) != kPageBoss) {
      items.push_back(child);
      continue;
    }
    InterfacePtr<IHierarchy> page(db, child, IID_IHIERARCHY);
    for (int32 k = 0; k < page->GetChildCount(); ++k) items.push_back(page->GetChildUID(k));
  }
  return items;
}

class ItemPainter {
 public:
  ItemPainter(IDataBase* db, const DrawingContext& context, int32 flags)
      : fDB(db), fContext(context), fPort(context.GetGraphicsPort()), fFlags(flags) {}

  void Paint(UID uid) {
    InterfacePtr<IHierarchy> item(fDB, uid, IID_IHIERARCHY);
    InterfacePtr<IGeometry> geometry(item, IID_IGEOMETRY);
    InterfacePtr<IItemTransform> transform(item, IID_IITEMTRANSFORM);
    if (!item || !geometry || !transform || !Shows(item, fFlags)) return;
    InterfacePtr<IGraphicAttributes> look(item, IID_IGRAPHICATTRIBUTES);
    const PMRect box = geometry->GetBoundingBox();
    const bool isFrame = fDB->GetClass(uid) == kFrameItemBoss;
    fPort->gsave();
    fPort->concat(transform->GetInnerToParent());
    const PMReal opacity = look ? look->GetOpacity() / 100 : 1;
    if (opacity < 1) fPort->begingroup(opacity);
    if (isFrame) {
      PaintFrame(item, look, box);
    } else {
      for (int32 i = 0; i < item->GetChildCount(); ++i) Paint(item->GetChildUID(i));
    }
    if (opacity < 1) fPort->endgroup();
    if (isFrame && (fFlags & kDrawFrameEdges)) PaintFrameEdge(item, box);
    GraphicsData graphicsData(&fContext);
    ItemAdornments::Draw(item, kAfterItemDrawOrder, &graphicsData, fFlags);
    fPort->grestore();
  }

 private:
  void PaintFrame(IHierarchy* frame, IGraphicAttributes* look, const PMRect& box) {
    if (look) {
      if (auto fill = SwatchColor(fDB, look->GetFillSwatch(), look->GetFillTint())) {
        fPort->setrgbcolor(fill->red, fill->green, fill->blue);
        fPort->rectfill(box.Left(), box.Top(), box.Width(), box.Height());
      }
    }
    if (look && look->GetStrokeWeight() > 0) {
      if (auto stroke = SwatchColor(fDB, look->GetStrokeSwatch(), look->GetStrokeTint())) {
        fPort->setrgbcolor(stroke->red, stroke->green, stroke->blue);
        fPort->setlinewidth(look->GetStrokeWeight());
        fPort->rectstroke(box.Left(), box.Top(), box.Width(), box.Height());
      }
    }
    PaintStory(frame, box);
  }

  // The frame's edge as a hairline; a frame without a story is crossed, as a place for a picture.
  void PaintFrameEdge(IHierarchy* frame, const PMRect& box) {
    fPort->setrgbcolor(kFrameEdge[0], kFrameEdge[1], kFrameEdge[2]);
    fPort->setlinewidth(0);
    fPort->rectstroke(box.Left(), box.Top(), box.Width(), box.Height());
    if (frame->GetChildCount() == 0) {
      fPort->strokeline(box.Left(), box.Top(), box.Right(), box.Bottom());
      fPort->strokeline(box.Left(), box.Bottom(), box.Right(), box.Top());
    }
  }

  // The story's lines from the top of the frame inside its inset, as many as fit.
  void PaintStory(IHierarchy* frame, const PMRect& box) {
    InterfacePtr<ITextFrameColumn> column(fDB, frame->GetChildUID(0), IID_ITEXTFRAMECOLUMN);
    InterfacePtr<ITextModel> story(column ? column->QueryTextModel() : nullptr);
    if (!story || story->TotalLength() <= 1 || !TextFont()) return;
    WideString text;
    story->CopyRange(0, story->TotalLength() - 1, text);
    const std::u16string& units = text.GetUTF16();
    const PMReal left = box.Left() + kTextInset, bottom = box.Bottom() - kTextInset;
    PMReal baseline = box.Top() + kTextInset + fTextInstance->GetAscent();
    fPort->setrgbcolor(0, 0, 0);
    fPort->selectfont(fTextFont, kTextSize);
    for (const StoryLayout::Line& line :
         StoryLayout::BreakLines(units, *fTextInstance, box.Width() - 2 * kTextInset)) {
      if (baseline + fTextInstance->GetDescent() > bottom) break;
      fPort->show(left, baseline, line.length, units.data() + line.start, 1, 0, 0);
      baseline += kLeading;
    }
  }

  // The host's text font, looked up once per drawing; false when the session has none.
  bool TextFont() {
    if (fTextInstance) return true;
    InterfacePtr<IFontMgr> fonts(GetExecutionContextSession(), IID_IFONTMGR);
    if (!fonts) return false;
    fTextFont.reset(fonts->QueryFont(fonts->GetDefaultFontName(), PMString(),
                                     IFontMgr::kLatinScript, 0.7, nullptr));
    if (fTextFont) {
      fTextInstance.reset(
          fonts->QueryFontInstance(fTextFont, PMMatrix(kTextSize, 0, 0, kTextSize, 0, 0), nullptr));
    }
    return fTextInstance;
  }

  IDataBase* fDB;
  const DrawingContext& fContext;
  IGraphicsPort* fPort;
  int32 fFlags;
  InterfacePtr<IPMFont> fTextFont;
  InterfacePtr<IFontInstance> fTextInstance;
};

void ForEachShownItem(IDataBase* db, UID uid, int32 flags, PMRect* extent) {
  InterfacePtr<IHierarchy> item(db, uid, IID_IHIERARCHY);
  if (!item || !Shows(item, flags)) return;
  *extent = extent->Union(ItemAdornments::PaintedBounds(item, false));
  if (db->GetClass(uid) != kGroupItemBoss) return;
  for (int32 i = 0; i < item->GetChildCount(); ++i) {
    ForEachShownItem(db, item->GetChildUID(i), flags, extent);
  }
}

}  // namespace

namespace SpreadDrawing {

PMRect Extent(IDataBase* db, UID spread, int32 flags) {
  const PMRect pages = PagesBounds(db, spread);
  if (flags & kDrawForPrint) return pages;
  PMRect extent(pages.Left() - kPasteboardWidth, pages.Top() - kPasteboardHeight,
                pages.Right() + kPasteboardWidth, pages.Bottom() + kPasteboardHeight);
  for (UID item : ItemsOf(db, spread)) ForEachShownItem(db, item, flags, &extent);
  return extent;
}

void Draw(IDataBase* db, UID spread, const DrawingContext& context, int32 flags) {
  IGraphicsPort* port = context.GetGraphicsPort();
  const PMRect extent = Extent(db, spread, flags);
  port->gsave();
  port->concat(context.GetPasteboardToView());
  if (!(flags & kDrawForPrint)) {
    port->setrgbcolor(kPasteboardGrey, kPasteboardGrey, kPasteboardGrey);
    port->rectfill(extent.Left(), extent.Top(), extent.Width(), extent.Height());
  }
  const PMRect pages = PagesBounds(db, spread);
  if (!(flags & kDrawForPrint)) {
    port->setrgbcolor(kShadowGrey, kShadowGrey, kShadowGrey);
    port->rectfill(kPageShadowOffset, kPageShadowOffset, pages.Width(), pages.Height());
  }
  port->setrgbcolor(1, 1, 1);
  port->rectfill(0, 0, pages.Width(), pages.Height());
  for (PMReal left = 0; !(flags & kDrawForPrint) && left < pages.Right(); left += kPageWidth) {
    port->setrgbcolor(0, 0, 0);
    port->setlinewidth(0);
    port->rectstroke(left, 0, kPageWidth, kPageHeight);
  }
  ItemPainter painter(db, context, flags);
  for (UID item : ItemsOf(db, spread)) painter.Paint(item);
  port->grestore();
}

}  // namespace SpreadDrawing
