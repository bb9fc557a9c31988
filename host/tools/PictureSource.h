// The text form in which developers draw a plug-in's pictures, pixel by pixel, and its compiling
// into the resource layouts of PictureResources.h:
//
//   # the data frame icon          "#" begins a comment line
//   size 16 16                     width and height, 1 to 256 pixels
//   colour . none                  a one-character key and its colour: none (transparent),
//   colour k 000000                RRGGBB or RRGGBBAA in hexadecimal
//   pixels                         then one line per row, top first, one key per pixel
//   ....kkkk........
#pragma once

#include <string>

#include "BaseType.h"

namespace PictureSource {

// The resource of the type (PictureResources::kIconType or kBitmapType) for a picture source;
// false with the problem ("line N: …") when the source is malformed or the type unknown.
bool Compile(const std::string& source, uint32 type, std::string* resource, std::string* problem);

}  // namespace PictureSource
