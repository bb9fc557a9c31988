#include "PictureResources.h"

namespace PictureResources {

bool DecodeIcon(const std::string& resource, PixelImage* image) {
  if (resource.size() < 4) return false;
  auto byte = [&](size_t i) { return static_cast<uint8>(resource[i]); };
  const int32 width = byte(0) | byte(1) << 8, height = byte(2) | byte(3) << 8;
  if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide ||
      resource.size() != 4 + 4 * static_cast<size_t>(width * height)) {
    return false;
  }
  image->width = width;
  image->height = height;
  image->pixels.resize(static_cast<size_t>(width * height));
  for (size_t i = 0; i < image->pixels.size(); ++i) {
    const uint32 a = byte(4 + 4 * i + 3);
    auto premultiplied = [&](size_t c) { return (byte(4 + 4 * i + c) * a + 127) / 255; };
    image->pixels[i] = a << 24 | premultiplied(0) << 16 | premultiplied(1) << 8 | premultiplied(2);
  }
  return true;
}

}  // namespace PictureResources
