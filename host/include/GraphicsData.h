// What a drawing call receives: the view it draws into (zoom and origin) and the graphics port.
// View units are the device's pixels; the view's top-left corner shows the pasteboard point
// viewOrigin.
#pragma once

#include "IGraphicsPort.h"
#include "PMMatrix.h"
#include "PMPoint.h"

class DrawingContext {
 public:
  DrawingContext(IGraphicsPort* port, PMReal zoom, const PMPoint& viewOrigin)
      : fPort(port),
        fPasteboardToView(zoom, 0, 0, zoom, -viewOrigin.X() * zoom, -viewOrigin.Y() * zoom),
        fViewToPasteboard(fPasteboardToView) {
    fViewToPasteboard.Invert();
  }

  IGraphicsPort* GetGraphicsPort() const { return fPort; }
  const PMMatrix& GetPasteboardToView() const { return fPasteboardToView; }
  const PMMatrix& GetViewToPasteboard() const { return fViewToPasteboard; }

 private:
  IGraphicsPort* fPort;
  PMMatrix fPasteboardToView;
  PMMatrix fViewToPasteboard;
};

class GraphicsData {
 public:
  explicit GraphicsData(const DrawingContext* context) : fContext(context) {}

  const DrawingContext* GetDrawingContext() const { return fContext; }
  IGraphicsPort* GetGraphicsPort() const {
    return fContext ? fContext->GetGraphicsPort() : nullptr;
  }

 private:
  const DrawingContext* fContext;
};
