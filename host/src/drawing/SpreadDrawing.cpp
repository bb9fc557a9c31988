#include "SpreadDrawing.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

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

// The look of the host's own drawing. The pasteboard reaches this far beyond the pages, sideways
// and up and down.
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

  // Paints an item and, for a group, its members. The walk keeps its own list of what remains,
  // so that groups nested however deep cannot overflow the call stack.
  void Paint(UID top) {
    struct Step {
      UID uid;
      bool leaving;
    };
    std::vector<Step> steps{{top, false}};
    while (!steps.empty()) {
      const Step step = steps.back();
      steps.pop_back();
      InterfacePtr<IHierarchy> item(fDB, step.uid, IID_IHIERARCHY);
      if (step.leaving) {
        Leave(item, fDB->GetClass(step.uid) == kFrameItemBoss);
        continue;
      }
      InterfacePtr<IItemTransform> transform(item, IID_IITEMTRANSFORM);
      if (!item || !transform || !Shows(item, fFlags)) continue;
      // The content in a state of its own, at the item's opacity times that of the groups
      // around it; the frame edge and the adornments follow at the opacity around the item.
      fPort->gsave();
      fPort->concat(transform->GetInnerToParent());
      fPort->gsave();
      InterfacePtr<IGraphicAttributes> look(item, IID_IGRAPHICATTRIBUTES);
      const PMReal outer = fOpacities.empty() ? 1 : fOpacities.back();
      fOpacities.push_back(look ? outer * look->GetOpacity() / 100 : outer);
      if (fOpacities.back() != outer) fPort->setopacity(fOpacities.back());
      steps.push_back({step.uid, true});
      if (fDB->GetClass(step.uid) == kFrameItemBoss) {
        PaintFrame(item, look);
      } else {
        for (int32 i = item->GetChildCount() - 1; i >= 0; --i) {
          steps.push_back({item->GetChildUID(i), false});
        }
      }
    }
  }

 private:
  // After an item's content: its frame edge and its adornments.
  void Leave(IHierarchy* item, bool isFrame) {
    fPort->grestore();
    fOpacities.pop_back();
    InterfacePtr<IGeometry> geometry(item, IID_IGEOMETRY);
    if (geometry && isFrame && (fFlags & kDrawFrameEdges)) {
      PaintFrameEdge(item, geometry->GetBoundingBox());
    }
    GraphicsData graphicsData(&fContext);
    ItemAdornments::Draw(item, kAfterItemDrawOrder, &graphicsData, fFlags);
    fPort->grestore();
  }

  void PaintFrame(IHierarchy* frame, IGraphicAttributes* look) {
    InterfacePtr<IGeometry> geometry(frame, IID_IGEOMETRY);
    if (!geometry) return;
    const PMRect box = geometry->GetBoundingBox();
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
    const PMReal ascent = fTextInstance->GetAscent(), descent = fTextInstance->GetDescent();
    const PMReal room = box.Height() - 2 * kTextInset - ascent - descent;
    if (room < 0) return;
    const auto fitting = static_cast<int32>(std::min<PMReal>(room / kLeading + 1, INT32_MAX));
    PMReal baseline = box.Top() + kTextInset + ascent;
    fPort->setrgbcolor(0, 0, 0);
    fPort->selectfont(fTextFont, kTextSize);
    for (const StoryLayout::Line& line :
         StoryLayout::BreakLines(units, *fTextInstance, box.Width() - 2 * kTextInset, fitting)) {
      fPort->show(box.Left() + kTextInset, baseline, line.length, units.data() + line.start, 1, 0,
                  0);
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
  std::vector<PMReal> fOpacities;  // of each item being drawn, with the groups around it
};

// Widens the extent by what the item, the members of a group among them, paint.
void AddPaintedBounds(IDataBase* db, UID top, int32 flags, PMRect* extent) {
  std::vector<UID> pending{top};
  while (!pending.empty()) {
    InterfacePtr<IHierarchy> item(db, pending.back(), IID_IHIERARCHY);
    const bool isGroup = db->GetClass(pending.back()) == kGroupItemBoss;
    pending.pop_back();
    if (!item || !Shows(item, flags)) continue;
    *extent = extent->Union(ItemAdornments::PaintedBounds(item, false));
    for (int32 i = 0; isGroup && i < item->GetChildCount(); ++i) {
      pending.push_back(item->GetChildUID(i));
    }
  }
}

}  // namespace

namespace SpreadDrawing {

PMRect Extent(IDataBase* db, UID spread, int32 flags) {
  const PMRect pages = PagesBounds(db, spread);
  if (flags & kDrawForPrint) return pages;
  PMRect extent(pages.Left() - kPasteboardWidth, pages.Top() - kPasteboardHeight,
                pages.Right() + kPasteboardWidth, pages.Bottom() + kPasteboardHeight);
  for (UID item : ItemsOf(db, spread)) AddPaintedBounds(db, item, flags, &extent);
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
