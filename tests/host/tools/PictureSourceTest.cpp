// Pixel pictures compiled into icon and bitmap resources, and the icon read back.
#include <gtest/gtest.h>

#include "PictureSource.h"
#include "plugins/PictureResources.h"

namespace {

const char kTwoByTwo[] =
    "# a comment\n"
    "size 2 2\n"
    "colour . none\n"
    "colour r FF0000\n"
    "colour g 00FF0080\n"
    "pixels\n"
    "r.\n"
    "g.\n";

TEST(PictureSourceTest, AnIconKeepsEveryPixelAndABitmapLaysItOnWhiteFromTheBottom) {
  std::string icon, bitmap, problem;
  ASSERT_TRUE(PictureSource::Compile(kTwoByTwo, PictureResources::kIconType, &icon, &problem))
      << problem;
  EXPECT_EQ(icon, std::string("\x02\0\x02\0\xFF\0\0\xFF\0\0\0\0\0\xFF\0\x80\0\0\0\0", 20));
  PixelImage image;
  ASSERT_TRUE(PictureResources::DecodeIcon(icon, &image));
  EXPECT_EQ(image.pixels, (std::vector<uint32>{0xFFFF0000, 0, 0x80008000, 0}));  // premultiplied

  ASSERT_TRUE(PictureSource::Compile(kTwoByTwo, PictureResources::kBitmapType, &bitmap, &problem));
  ASSERT_EQ(bitmap.size(), 40u + 2 * 8);  // each row of 6 bytes padded to 8
  EXPECT_EQ(bitmap.substr(0, 16), std::string("\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0", 16));
  // The bottom row first (half-green laid on white, then white), then red and white; each pixel
  // blue, green, red.
  EXPECT_EQ(bitmap.substr(40),
            std::string("\x7F\xFF\x7F\xFF\xFF\xFF\0\0\0\0\xFF\xFF\xFF\xFF\0\0", 16));
}

TEST(PictureSourceTest, MalformedPicturesAndIconsAreRefused) {
  struct Case {
    const char* source;
    const char* problem;
  };
  const Case cases[] = {
      {"size 0 4\n", "line 1: a picture has 1 to 256 pixels a side"},
      {"size 2\n", "line 1: expected: size WIDTH HEIGHT"},
      {"colour ab 000000\n", "line 1: expected: colour KEY none|RRGGBB|RRGGBBAA"},
      {"colour a 00000\n", "line 1: expected: colour KEY none|RRGGBB|RRGGBBAA"},
      {"colour a none\ncolour a none\n", "line 2: the key a has a colour"},
      {"pixels\n", "line 1: the size must come before the pixels"},
      {"size 2 1\ncolour a none\npixels\na\n", "line 4: a row must have 2 pixels"},
      {"size 1 1\npixels\nz\n", "line 3: no colour has the key z"},
      {"size 1 2\ncolour a none\npixels\na\n", "the picture has fewer rows than its size says"},
      {"size 1 1\ncolour a none\npixels\na\na\n", "line 5: more rows than the size says"},
      {"draw 1 1\n", "line 1: unknown statement \"draw\""},
  };
  for (const Case& c : cases) {
    std::string resource, problem;
    EXPECT_FALSE(
        PictureSource::Compile(c.source, PictureResources::kIconType, &resource, &problem));
    EXPECT_EQ(problem, c.problem) << c.source;
  }
  std::string icon, problem;
  ASSERT_TRUE(PictureSource::Compile(kTwoByTwo, PictureResources::kIconType, &icon, &problem));
  PixelImage image;
  for (const std::string& damaged : {icon.substr(0, 19), icon + "x", std::string("\0\0\0\0", 4)}) {
    EXPECT_FALSE(PictureResources::DecodeIcon(damaged, &image));
  }
}

}  // namespace
