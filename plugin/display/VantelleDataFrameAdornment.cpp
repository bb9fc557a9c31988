// The data frame adornment: a small icon inside the top-right corner of a data frame, at its own
// pixel size whatever the zoom, mirrored only where the frame's mapping to the view mirrors. It is
// drawn only on screen views that show frame edges.
#include "DrawingFlags.h"
#include "IGeometry.h"
#include "IItemTransform.h"
#include "IconHandler.h"
#include "InterfacePtr.h"
#include "display/VantelleAdornmentShape.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"

namespace {

constexpr RsrcID kDataFrameIconRsrcID = 20000;
constexpr int32 kDrawingPurposeFlags = kDrawForPrint | kDrawFrameEdges | kDrawPreview;
// The gaps between the icon and the item's right and top edges, in view pixels.
constexpr PMReal kRightGap = 1.0;
constexpr PMReal kTopGap = 2.0;

PMReal MirrorSign(PMReal scale) {
  return scale < -1e-8 ? -1.0 : 1.0;
}

class VantelleDataFrameAdornment : public VantelleAdornmentShape {
 public:
  explicit VantelleDataFrameAdornment(IPMUnknown* boss) : VantelleAdornmentShape(boss) {
    fIcon.SetRsrc(kVantellePluginID, kDataFrameIconRsrcID, kFalse, kFalse, 1.0f, 2.0f);
  }

  void DrawAdornment(IPMUnknown* shape, AdornmentDrawOrder, GraphicsData* graphicsData,
                     int32 flags) override {
    if ((flags & kDrawingPurposeFlags) != kDrawFrameEdges || !fIcon.IsLoaded()) return;
    const DrawingContext* context = graphicsData ? graphicsData->GetDrawingContext() : nullptr;
    InterfacePtr<IGeometry> geometry(shape, IID_IGEOMETRY);
    if (!context || !geometry) return;
    fIcon.Draw(context->GetGraphicsPort(), IconMatrix(*geometry, *context, shape), kFalse);
  }

  PMRect GetPaintedAdornmentBounds(IPMUnknown*, AdornmentDrawOrder, const PMRect& itemBounds,
                                   const PMMatrix&) override {
    return itemBounds;  // the icon lies inside the item
  }

 private:
  // Maps icon pixels to the item's inner coordinates.
  PMMatrix IconMatrix(const IGeometry& geometry, const DrawingContext& context,
                      IPMUnknown* shape) const {
    PMPoint corner = geometry.GetBoundingBox().RightTop();
    PMMatrix innerToView = InnerToPasteboardMatrix(shape);
    innerToView.PostConcat(context.GetPasteboardToView());

    PMPoint offset(fIcon.GetWidth() + kRightGap, kTopGap), origin(0, 0);
    context.GetViewToPasteboard().Transform(&offset);
    context.GetViewToPasteboard().Transform(&origin);
    corner =
        PMPoint(corner.X() - (offset.X() - origin.X()), corner.Y() + (offset.Y() - origin.Y()));
    innerToView.Transform(&corner);

    PMMatrix iconToInner = innerToView;
    iconToInner.ScaleTo(MirrorSign(innerToView.GetXScale()), MirrorSign(innerToView.GetYScale()));
    iconToInner.TranslateTo(corner.X(), corner.Y());
    PMMatrix viewToInner = innerToView;
    viewToInner.Invert();
    iconToInner.PostConcat(viewToInner);
    return iconToInner;
  }

  IconHandler fIcon;
};

}  // namespace

CREATE_PMINTERFACE(VantelleDataFrameAdornment, kVantelleDataFrameAdornmentImpl);
