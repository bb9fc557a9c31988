// An image of pixels, rows from the top, each pixel 32 bits in native order: alpha in the high
// byte, then red, green and blue, the colours premultiplied by alpha.
#pragma once

#include <vector>

#include "BaseType.h"

struct PixelImage {
  int32 width = 0;
  int32 height = 0;
  std::vector<uint32> pixels;
};
