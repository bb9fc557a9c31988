// An icon among a plug-in's resources (an ICON resource), drawn pixel for pixel.
#pragma once

#include "BaseType.h"
#include "IGraphicsPort.h"
#include "PMMatrix.h"
#include "PixelImage.h"

typedef int32 RsrcID;

class HOST_API IconHandler {
 public:
  // Binds the handler to the icon rsrc of the plug-in, turned over left to right and top to bottom
  // as asked. It draws with the opacity (0 to 1), and a dimmed drawing with the opacity divided
  // by dimming. A missing or damaged resource leaves the handler unloaded.
  void SetRsrc(PluginID plugin, RsrcID rsrc, bool16 flipHorizontally, bool16 flipVertically,
               float opacity, float dimming);
  bool16 IsLoaded() const { return fLoaded ? kTrue : kFalse; }
  // In pixels; 0 while unloaded.
  int32 GetWidth() const { return fImage.width; }
  int32 GetHeight() const { return fImage.height; }
  // Paints the icon into the port; iconToUser maps its pixels (one unit each, from its top-left
  // corner) into the port's user coordinates. Nothing while unloaded.
  void Draw(IGraphicsPort* port, const PMMatrix& iconToUser, bool16 dimmed) const;

 private:
  bool fLoaded = false;
  PixelImage fImage;
  float fOpacity = 1;
  float fDimming = 1;
};
