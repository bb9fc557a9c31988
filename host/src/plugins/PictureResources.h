// Pictures among a plug-in's resources, in the two binary layouts the resource compiler makes
// from picture sources (PictureSource.h in the tools):
//
// ICON: width and height (16-bit little-endian, 1 to 256), then every pixel as red, green, blue
// and alpha bytes, rows from the top. The host draws icons from it (IconHandler).
// BMAP: a 24-bit device-independent bitmap as a Windows bitmap resource holds it: the 40-byte
// header, then the rows from the bottom, blue, green and red bytes, each row padded to four
// bytes. Transparent pixels are laid on white.
#pragma once

#include <string>

#include "PixelImage.h"

namespace PictureResources {

constexpr uint32 kIconType = 0x49434F4E;    // 'ICON'
constexpr uint32 kBitmapType = 0x424D4150;  // 'BMAP'
constexpr int32 kLargestSide = 256;

// The pixels of an ICON resource; false for bytes that are not one.
bool DecodeIcon(const std::string& resource, PixelImage* image);

}  // namespace PictureResources
