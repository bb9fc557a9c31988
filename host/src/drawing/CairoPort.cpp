#include "CairoPort.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "fonts/FreeTypeFont.h"

namespace {

// Cairo calls it from C, through which no exception may pass.
cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  try {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  } catch (const std::bad_alloc&) {
    return CAIRO_STATUS_NO_MEMORY;
  }
  return CAIRO_STATUS_SUCCESS;
}

cairo_matrix_t CairoMatrix(const PMMatrix& m) {
  cairo_matrix_t matrix;
  cairo_matrix_init(&matrix, m.A(), m.B(), m.C(), m.D(), m.GetXTranslation(), m.GetYTranslation());
  return matrix;
}

// A Cairo font face keeps its own reference to the FreeType face and, through it, to the
// FreeType library, since Cairo may hold the face in its caches after the font manager is gone.
void ReleaseFace(void* face) {
  FT_Library library = static_cast<FT_Face>(face)->glyph->library;
  FT_Done_Face(static_cast<FT_Face>(face));
  FT_Done_Library(library);
}

const cairo_user_data_key_t kFaceKey{};

}  // namespace

std::unique_ptr<CairoPort> CairoPort::Create(Format format, int32 width, int32 height,
                                             std::string* error) {
  std::unique_ptr<CairoPort> port(new CairoPort(format, nullptr));
  switch (format) {
    case Format::kPNG:
      port->fSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
      break;
    case Format::kSVG:
      port->fSurface =
          cairo_svg_surface_create_for_stream(AppendBytes, &port->fVectorBytes, width, height);
      break;
    case Format::kPDF:
      port->fSurface =
          cairo_pdf_surface_create_for_stream(AppendBytes, &port->fVectorBytes, width, height);
      break;
  }
  port->fCairo = cairo_create(port->fSurface);
  if (cairo_status(port->fCairo) != CAIRO_STATUS_SUCCESS) {
    if (error) *error = cairo_status_to_string(cairo_status(port->fCairo));
    return nullptr;
  }
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(port->fCairo, options);
  cairo_font_options_destroy(options);
  return port;
}

CairoPort::CairoPort(Format format, cairo_surface_t* surface)
    : fFormat(format), fSurface(surface), fCairo(nullptr) {}

CairoPort::~CairoPort() {
  if (fCairo) cairo_destroy(fCairo);
  for (const auto& entry : fFaces) cairo_font_face_destroy(entry.second);
  if (fSurface) cairo_surface_destroy(fSurface);
}

bool CairoPort::Finish(std::string* bytes, std::string* error) {
  cairo_status_t status = cairo_status(fCairo);
  cairo_surface_flush(fSurface);
  if (status == CAIRO_STATUS_SUCCESS && fFormat == Format::kPNG) {
    bytes->clear();
    status = cairo_surface_write_to_png_stream(fSurface, AppendBytes, bytes);
  } else if (status == CAIRO_STATUS_SUCCESS) {
    cairo_surface_finish(fSurface);
    status = cairo_surface_status(fSurface);
    *bytes = fVectorBytes;
  }
  if (status != CAIRO_STATUS_SUCCESS && error) *error = cairo_status_to_string(status);
  return status == CAIRO_STATUS_SUCCESS;
}

void CairoPort::gsave() {
  cairo_save(fCairo);
  fSaved.push_back(fState);
}

void CairoPort::grestore() {
  if (fSaved.empty()) return;
  cairo_restore(fCairo);
  fState = fSaved.back();
  fSaved.pop_back();
}

void CairoPort::concat(const PMMatrix& matrix) {
  const cairo_matrix_t m = CairoMatrix(matrix);
  cairo_transform(fCairo, &m);
}

void CairoPort::setrgbcolor(PMReal red, PMReal green, PMReal blue) {
  fState.red = red;
  fState.green = green;
  fState.blue = blue;
}

void CairoPort::UseColor() {
  cairo_set_source_rgba(fCairo, fState.red, fState.green, fState.blue, fState.opacity);
}

void CairoPort::setlinewidth(PMReal width) {
  fState.lineWidth = width;
}

void CairoPort::rectfill(PMReal x, PMReal y, PMReal width, PMReal height) {
  cairo_rectangle(fCairo, x, y, width, height);
  UseColor();
  cairo_fill(fCairo);
}

void CairoPort::rectstroke(PMReal x, PMReal y, PMReal width, PMReal height) {
  cairo_matrix_t toDevice;
  cairo_get_matrix(fCairo, &toDevice);
  if (fState.lineWidth > 0 || toDevice.xy != 0 || toDevice.yx != 0) {
    cairo_rectangle(fCairo, x, y, width, height);
    return StrokePath();
  }
  // An upright hairline rectangle: its edges go through the middle of device pixels, so that
  // each is one sharp pixel wide.
  double x0 = x, y0 = y, x1 = x + width, y1 = y + height;
  cairo_user_to_device(fCairo, &x0, &y0);
  cairo_user_to_device(fCairo, &x1, &y1);
  const double left = std::floor(std::min(x0, x1)) + 0.5, top = std::floor(std::min(y0, y1)) + 0.5;
  const double right = std::floor(std::max(x0, x1)) + 0.5,
               bottom = std::floor(std::max(y0, y1)) + 0.5;
  cairo_save(fCairo);
  cairo_identity_matrix(fCairo);
  cairo_rectangle(fCairo, left, top, right - left, bottom - top);
  cairo_restore(fCairo);
  StrokePath();
}

void CairoPort::strokeline(PMReal x0, PMReal y0, PMReal x1, PMReal y1) {
  cairo_move_to(fCairo, x0, y0);
  cairo_line_to(fCairo, x1, y1);
  StrokePath();
}

void CairoPort::StrokePath() {
  UseColor();
  if (fState.lineWidth > 0) {
    cairo_set_line_width(fCairo, fState.lineWidth);
    cairo_stroke(fCairo);
    return;
  }
  // A hairline: one device unit wide whatever the transform (the path is in device space once
  // made).
  cairo_save(fCairo);
  cairo_identity_matrix(fCairo);
  cairo_set_line_width(fCairo, 1);
  cairo_stroke(fCairo);
  cairo_restore(fCairo);
}

cairo_font_face_t* CairoPort::FaceOf(const FreeTypeFont* font) {
  const auto [entry, isNew] = fFaces.try_emplace(font, nullptr);
  if (!isNew) return entry->second;
  FT_Face face = font->Face();
  entry->second = cairo_ft_font_face_create_for_ft_face(face, 0);
  if (cairo_font_face_set_user_data(entry->second, &kFaceKey, face, ReleaseFace) ==
      CAIRO_STATUS_SUCCESS) {
    FT_Reference_Face(face);
    FT_Reference_Library(face->glyph->library);
  }
  return entry->second;
}

void CairoPort::selectfont(IPMFont* font, PMReal size) {
  // Fonts come from the host's own font manager.
  fState.font = static_cast<const FreeTypeFont*>(font);
  fState.size = size;
}

void CairoPort::show(PMReal x, PMReal y, int32 count, const textchar* text, PMReal xScale,
                     PMReal tracking, PMReal rise) {
  if (!fState.font || count <= 0 || !text) return;
  std::vector<FreeTypeFont::PlacedGlyph> placed;
  fState.font->LayOut(text, count, &placed, nullptr);
  std::vector<cairo_glyph_t> glyphs;
  glyphs.reserve(placed.size());
  const PMReal em = fState.size * xScale;
  for (size_t i = 0; i < placed.size(); ++i) {
    glyphs.push_back({placed[i].index, x + (placed[i].x + i * tracking / 1000) * em, y - rise});
  }
  cairo_set_font_face(fCairo, FaceOf(fState.font));
  cairo_matrix_t size;
  cairo_matrix_init_scale(&size, em, fState.size);
  cairo_set_font_matrix(fCairo, &size);
  UseColor();
  cairo_show_glyphs(fCairo, glyphs.data(), static_cast<int>(glyphs.size()));
}

void CairoPort::image(const PixelImage& picture, const PMMatrix& imageToUser) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<size_t>(picture.width * picture.height)) {
    return;
  }
  cairo_surface_t* pixels =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
  cairo_surface_flush(pixels);
  unsigned char* data = cairo_image_surface_get_data(pixels);
  const int stride = cairo_image_surface_get_stride(pixels);
  for (int32 row = 0; data && row < picture.height; ++row) {
    std::memcpy(data + row * stride, picture.pixels.data() + row * picture.width,
                sizeof(uint32) * picture.width);
  }
  cairo_surface_mark_dirty(pixels);
  cairo_save(fCairo);
  const cairo_matrix_t m = CairoMatrix(imageToUser);
  cairo_transform(fCairo, &m);
  cairo_set_source_surface(fCairo, pixels, 0, 0);
  // Pixel pictures stay sharp: each pixel is a square of its own colour.
  cairo_pattern_set_filter(cairo_get_source(fCairo), CAIRO_FILTER_NEAREST);
  cairo_rectangle(fCairo, 0, 0, picture.width, picture.height);
  cairo_clip(fCairo);
  cairo_paint_with_alpha(fCairo, fState.opacity);
  cairo_restore(fCairo);
  cairo_surface_destroy(pixels);
}

void CairoPort::setopacity(PMReal opacity) {
  fState.opacity = opacity;
}
