#include "PictureSource.h"

#include <map>
#include <sstream>
#include <vector>

#include "plugins/PictureResources.h"

namespace {

using PictureResources::kLargestSide;

struct Rgba {
  uint8 r, g, b, a;
};

struct Picture {
  int32 width = 0;
  int32 height = 0;
  std::vector<Rgba> pixels;
};

bool ParseColour(const std::string& text, Rgba* colour) {
  if (text == "none") {
    *colour = {0, 0, 0, 0};
    return true;
  }
  if ((text.size() != 6 && text.size() != 8) ||
      text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
    return false;
  }
  const unsigned long value = std::stoul(text, nullptr, 16);
  const unsigned long rgba = text.size() == 6 ? value << 8 | 0xFF : value;
  *colour = {static_cast<uint8>(rgba >> 24), static_cast<uint8>(rgba >> 16),
             static_cast<uint8>(rgba >> 8), static_cast<uint8>(rgba)};
  return true;
}

bool ParseSource(const std::string& source, Picture* picture, std::string* problem) {
  std::istringstream lines(source);
  std::string line;
  std::map<char, Rgba> palette;
  int32 number = 0;
  bool inPixels = false;
  auto fail = [&](const std::string& why) {
    *problem = "line " + std::to_string(number) + ": " + why;
    return false;
  };
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (inPixels) {
      if (static_cast<int32>(picture->pixels.size()) == picture->width * picture->height) {
        if (line.empty()) continue;
        return fail("more rows than the size says");
      }
      if (static_cast<int32>(line.size()) != picture->width) {
        return fail("a row must have " + std::to_string(picture->width) + " pixels");
      }
      for (char key : line) {
        auto colour = palette.find(key);
        if (colour == palette.end()) return fail(std::string("no colour has the key ") + key);
        picture->pixels.push_back(colour->second);
      }
      continue;
    }
    std::istringstream words(line);
    std::string keyword, a, b, rest;
    words >> keyword >> a >> b;
    if (keyword.empty() || keyword[0] == '#') continue;
    const bool extra = static_cast<bool>(words >> rest);
    if (keyword == "size") {
      const std::string digits = "0123456789";
      if (extra || a.empty() || b.empty() || a.size() > 3 || b.size() > 3 ||
          a.find_first_not_of(digits) != std::string::npos ||
          b.find_first_not_of(digits) != std::string::npos) {
        return fail("expected: size WIDTH HEIGHT");
      }
      picture->width = std::stoi(a);
      picture->height = std::stoi(b);
      if (picture->width < 1 || picture->height < 1 || picture->width > kLargestSide ||
          picture->height > kLargestSide) {
        return fail("a picture has 1 to 256 pixels a side");
      }
    } else if (keyword == "colour") {
      Rgba colour{};
      if (extra || a.size() != 1 || !ParseColour(b, &colour)) {
        return fail("expected: colour KEY none|RRGGBB|RRGGBBAA");
      }
      if (!palette.emplace(a[0], colour).second) return fail("the key " + a + " has a colour");
    } else if (keyword == "pixels" && a.empty()) {
      if (picture->width == 0) return fail("the size must come before the pixels");
      inPixels = true;
    } else {
      return fail("unknown statement \"" + keyword + "\"");
    }
  }
  if (!inPixels || static_cast<int32>(picture->pixels.size()) != picture->width * picture->height) {
    *problem = "the picture has fewer rows than its size says";
    return false;
  }
  return true;
}

void PutLE(std::string* out, uint32 value, int32 bytes) {
  for (int32 i = 0; i < bytes; ++i) out->push_back(static_cast<char>(value >> (8 * i)));
}

std::string EncodeIcon(const Picture& picture) {
  std::string out;
  PutLE(&out, picture.width, 2);
  PutLE(&out, picture.height, 2);
  for (const Rgba& p : picture.pixels) out.append({char(p.r), char(p.g), char(p.b), char(p.a)});
  return out;
}

std::string EncodeBitmap(const Picture& picture) {
  const uint32 rowSize = (3 * picture.width + 3) / 4 * 4;
  std::string out;
  for (uint32 field : {40u, uint32(picture.width), uint32(picture.height)}) PutLE(&out, field, 4);
  PutLE(&out, 1, 2);                 // planes
  PutLE(&out, 24, 2);                // bits per pixel
  const uint32 dotsPerMetre = 2835;  // 72 dots per inch
  for (uint32 field : {0u, rowSize * picture.height, dotsPerMetre, dotsPerMetre, 0u, 0u}) {
    PutLE(&out, field, 4);
  }
  auto onWhite = [](uint8 c, uint8 a) {
    return static_cast<char>((c * a + 255 * (255 - a)) / 255);
  };
  for (int32 y = picture.height - 1; y >= 0; --y) {
    for (int32 x = 0; x < picture.width; ++x) {
      const Rgba& p = picture.pixels[static_cast<size_t>(y * picture.width + x)];
      out.append({onWhite(p.b, p.a), onWhite(p.g, p.a), onWhite(p.r, p.a)});
    }
    out.append(rowSize - 3 * picture.width, '\0');
  }
  return out;
}

}  // namespace

namespace PictureSource {

bool Compile(const std::string& source, uint32 type, std::string* resource, std::string* problem) {
  Picture picture;
  if (type != PictureResources::kIconType && type != PictureResources::kBitmapType) {
    *problem = "pictures compile to ICON or BMAP resources";
    return false;
  }
  if (!ParseSource(source, &picture, problem)) return false;
  *resource = type == PictureResources::kIconType ? EncodeIcon(picture) : EncodeBitmap(picture);
  return true;
}

}  // namespace PictureSource
