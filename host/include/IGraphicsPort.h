// Where drawing goes: a picture (PNG, SVG, PDF) or a recording. Positions and sizes are in user
// coordinates, which the current transform maps to the device; colours are fractions of 0 to 1.
#pragma once

#include "BaseType.h"
#include "PMMatrix.h"
#include "PixelImage.h"

class IPMFont;

class IGraphicsPort {
 public:
  virtual ~IGraphicsPort() = default;

  // Saves and restores the graphics state: transform, colour, opacity, line width and font.
  virtual void gsave() = 0;
  virtual void grestore() = 0;
  // User coordinates map through the matrix first, then through the transform as it was.
  virtual void concat(const PMMatrix& matrix) = 0;

  virtual void setrgbcolor(PMReal red, PMReal green, PMReal blue) = 0;
  // Strokes are this wide in user units; 0 draws the thinnest line the device shows.
  virtual void setlinewidth(PMReal width) = 0;
  virtual void rectfill(PMReal x, PMReal y, PMReal width, PMReal height) = 0;
  virtual void rectstroke(PMReal x, PMReal y, PMReal width, PMReal height) = 0;
  virtual void strokeline(PMReal x0, PMReal y0, PMReal x1, PMReal y1) = 0;

  // Selects a font of the session's font manager at a size in user units.
  virtual void selectfont(IPMFont* font, PMReal size) = 0;
  // Shows count UTF-16 code units in the selected font and colour with the baseline's origin at
  // (x, y), each character after the previous one by its advance. xScale stretches the glyphs and
  // advances horizontally (1 keeps them), tracking adds thousandths of an em after each character,
  // rise lifts the baseline.
  virtual void show(PMReal x, PMReal y, int32 count, const textchar* text, PMReal xScale,
                    PMReal tracking, PMReal rise) = 0;

  // Paints the image; imageToUser maps its pixels (one unit each, from the top-left corner).
  virtual void image(const PixelImage& picture, const PMMatrix& imageToUser) = 0;

  // Everything painted from now on is laid down with this opacity (0 to 1; 1 at first).
  virtual void setopacity(PMReal opacity) = 0;
};
