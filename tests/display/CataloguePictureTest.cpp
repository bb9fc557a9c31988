// The whole drawing, end to end: the example catalogue's first spread, drawn by the host with the
// plug-in's adornments, must look like the picture the README shows (docs/catalogue.png). Pixels
// may differ a little where glyph edges are smoothed differently, no more. After a deliberate
// change of the drawing, `make demo` draws the new picture to copy there.
#include <cairo.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "SessionRunner.h"
#include "platform/EnvFiles.h"
#include "support/PlugInHostTest.h"

namespace {

struct PngBytes {
  const std::vector<uint8>& bytes;
  size_t read = 0;
};

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length) {
  auto* png = static_cast<PngBytes*>(closure);
  if (png->bytes.size() - png->read < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, png->bytes.data() + png->read, length);
  png->read += length;
  return CAIRO_STATUS_SUCCESS;
}

// How many pixels of the two PNG pictures differ by more than the tolerance in some channel; -1
// when either cannot be read or their sizes differ.
int64 DifferingPixels(const std::vector<uint8>& a, const std::vector<uint8>& b, int tolerance) {
  PngBytes pngA{a}, pngB{b};
  cairo_surface_t* first = cairo_image_surface_create_from_png_stream(ReadPng, &pngA);
  cairo_surface_t* second = cairo_image_surface_create_from_png_stream(ReadPng, &pngB);
  int64 differing = -1;
  const int width = cairo_image_surface_get_width(first);
  const int height = cairo_image_surface_get_height(first);
  if (cairo_surface_status(first) == CAIRO_STATUS_SUCCESS &&
      cairo_surface_status(second) == CAIRO_STATUS_SUCCESS &&
      cairo_image_surface_get_format(first) == cairo_image_surface_get_format(second) &&
      width == cairo_image_surface_get_width(second) &&
      height == cairo_image_surface_get_height(second)) {
    differing = 0;
    for (int y = 0; y < height; ++y) {
      const auto* p = reinterpret_cast<const uint32*>(cairo_image_surface_get_data(first) +
                                                      y * cairo_image_surface_get_stride(first));
      const auto* q = reinterpret_cast<const uint32*>(cairo_image_surface_get_data(second) +
                                                      y * cairo_image_surface_get_stride(second));
      for (int x = 0; x < width; ++x) {
        for (int shift = 0; shift < 32; shift += 8) {
          if (std::abs(int((p[x] >> shift) & 0xFF) - int((q[x] >> shift) & 0xFF)) > tolerance) {
            ++differing;
            break;
          }
        }
      }
    }
  }
  cairo_surface_destroy(first);
  cairo_surface_destroy(second);
  return differing;
}

class CataloguePictureTest : public PlugInHostTest {};

TEST_F(CataloguePictureTest, TheFirstSpreadLooksLikeTheReadmePicture) {
  std::ifstream example(VANTELLE_SOURCE_DIR "/examples/catalogue.vts");
  std::ifstream readmePicture(VANTELLE_SOURCE_DIR "/docs/catalogue.png", std::ios::binary);
  ASSERT_TRUE(example && readmePicture);
  // The host's files live in memory, below its root.
  std::string script((std::istreambuf_iterator<char>(example)), std::istreambuf_iterator<char>());
  const size_t render = script.find("render catalogue.png");
  ASSERT_NE(render, std::string::npos);
  script.replace(render, 20, "render /catalogue.png");
  std::istringstream in(script);
  std::ostringstream out, err;
  ASSERT_EQ(RunSessionScript(in, out, err, false), kSessionOK) << err.str();

  std::vector<uint8> drawn,
      expected((std::istreambuf_iterator<char>(readmePicture)), std::istreambuf_iterator<char>());
  ASSERT_TRUE(ReadWholeFile(Files(), "/catalogue.png", 1 << 24, &drawn, nullptr));
  const int64 differing = DifferingPixels(drawn, expected, 24);
  EXPECT_GE(differing, 0) << "the pictures differ in size";
  EXPECT_LE(differing, 64);
}

}  // namespace
