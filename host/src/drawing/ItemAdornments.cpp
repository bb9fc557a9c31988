#include "ItemAdornments.h"

#include <algorithm>
#include <vector>

#include "CreateObject.h"
#include "DrawingFlags.h"
#include "IGeometry.h"
#include "IItemTransform.h"
#include "IPageItemAdornmentList.h"
#include "InterfacePtr.h"

namespace {

std::vector<InterfacePtr<IAdornmentShape>> AdornmentsOf(IPMUnknown* item, bool forPrint) {
  std::vector<InterfacePtr<IAdornmentShape>> shapes;
  InterfacePtr<IPageItemAdornmentList> list(item, IID_IPAGEITEMADORNMENTLIST);
  for (int32 i = 0; list && i < list->GetAdornmentCount(); ++i) {
    InterfacePtr<IAdornmentShape> shape(
        static_cast<IAdornmentShape*>(CreateObject(list->GetNthAdornment(i), IID_IADORNMENTSHAPE)));
    if (shape && (!forPrint || shape->WillPrint())) shapes.push_back(std::move(shape));
  }
  std::stable_sort(shapes.begin(), shapes.end(), [](const auto& a, const auto& b) {
    return a->GetPriority() < b->GetPriority();
  });
  return shapes;
}

}  // namespace

namespace ItemAdornments {

void Draw(IPMUnknown* item, AdornmentDrawOrder order, GraphicsData* graphicsData, int32 flags) {
  for (const auto& shape : AdornmentsOf(item, (flags & kDrawForPrint) != 0)) {
    if (shape->GetDrawOrderBits() & order) shape->DrawAdornment(item, order, graphicsData, flags);
  }
}

PMRect PaintedBounds(IPMUnknown* item, bool forPrint) {
  InterfacePtr<IGeometry> geometry(item, IID_IGEOMETRY);
  if (!geometry) return PMRect();
  const PMMatrix innerToPasteboard = InnerToPasteboardMatrix(item);
  PMRect bounds = geometry->GetBoundingBox();
  innerToPasteboard.Transform(&bounds);
  PMRect painted = bounds;
  for (const auto& shape : AdornmentsOf(item, forPrint)) {
    const AdornmentDrawOrder order = shape->GetDrawOrderBits();
    painted = painted.Union(
        forPrint ? shape->GetPrintedAdornmentBounds(item, order, bounds, innerToPasteboard)
                 : shape->GetPaintedAdornmentBounds(item, order, bounds, innerToPasteboard));
  }
  return painted;
}

}  // namespace ItemAdornments
