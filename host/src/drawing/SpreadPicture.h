// A picture file of a spread: PNG, SVG or PDF, as the file's extension says.
#pragma once

#include <string>

#include "IDataBase.h"

namespace SpreadPicture {

// The most device units a picture may have on a side.
constexpr int32 kLargestSide = 16384;

// Whether the path ends in .png, .svg or .pdf (in any case).
bool HasPictureExtension(const std::string& path);

// Draws the spread (SpreadDrawing) at the zoom with the drawing flags, one device unit a
// pasteboard point at zoom 1, and writes the picture to path, replacing the file only once the
// picture is complete. False with a message when the picture would be too large or cannot be
// made or written.
bool Render(IDataBase* db, UID spread, PMReal zoom, int32 flags, const std::string& path,
            std::string* error);

}  // namespace SpreadPicture
