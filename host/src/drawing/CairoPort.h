// The graphics port that draws with Cairo into a picture: PNG (one device unit a pixel), SVG or
// PDF (one device unit a point). Text is set glyph by glyph with the advances the font manager
// measures, unhinted, so that what is drawn is as wide as what was measured.
#pragma once

#include <cairo.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "IGraphicsPort.h"

class FreeTypeFont;

class CairoPort final : public IGraphicsPort {
 public:
  enum class Format { kPNG, kSVG, kPDF };

  // A blank picture of the size in device units (transparent for PNG); null with a message when
  // Cairo cannot make it.
  static std::unique_ptr<CairoPort> Create(Format format, int32 width, int32 height,
                                           std::string* error);
  ~CairoPort() override;
  CairoPort(const CairoPort&) = delete;
  CairoPort& operator=(const CairoPort&) = delete;

  // Ends the drawing and answers the file's bytes; false with a message when Cairo failed.
  bool Finish(std::string* bytes, std::string* error);

  void gsave() override;
  void grestore() override;
  void concat(const PMMatrix& matrix) override;
  void setrgbcolor(PMReal red, PMReal green, PMReal blue) override;
  void setlinewidth(PMReal width) override;
  void rectfill(PMReal x, PMReal y, PMReal width, PMReal height) override;
  void rectstroke(PMReal x, PMReal y, PMReal width, PMReal height) override;
  void strokeline(PMReal x0, PMReal y0, PMReal x1, PMReal y1) override;
  void selectfont(IPMFont* font, PMReal size) override;
  void show(PMReal x, PMReal y, int32 count, const textchar* text, PMReal xScale, PMReal tracking,
            PMReal rise) override;
  void image(const PixelImage& picture, const PMMatrix& imageToUser) override;
  void setopacity(PMReal opacity) override;

 private:
  CairoPort(Format format, cairo_surface_t* surface);
  cairo_font_face_t* FaceOf(const FreeTypeFont* font);
  // Strokes the current path with the line width, or as a hairline for width 0.
  void StrokePath();
  // Makes the colour at the opacity Cairo's source.
  void UseColor();

  // The graphics state beyond Cairo's transform, kept by gsave.
  struct State {
    const FreeTypeFont* font = nullptr;
    PMReal size = 0;
    PMReal lineWidth = 1;
    PMReal red = 0, green = 0, blue = 0;
    PMReal opacity = 1;
  };

  Format fFormat;
  std::string fVectorBytes;  // what the SVG and PDF surfaces have written so far
  cairo_surface_t* fSurface;
  cairo_t* fCairo;
  State fState;
  std::vector<State> fSaved;
  std::map<const FreeTypeFont*, cairo_font_face_t*> fFaces;
};
