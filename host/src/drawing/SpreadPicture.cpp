#include "SpreadPicture.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "CairoPort.h"
#include "GraphicsData.h"
#include "SpreadDrawing.h"
#include "app/Host.h"
#include "platform/EnvFiles.h"

namespace {

std::string Extension(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::string();
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

// Every picture file is written here, through the host's environment, replacing the old file only
// once the new one is complete.
bool WritePictureFile(const std::string& path, const std::string& bytes, std::string* error) {
  return WriteFileAtomically(Host::CurrentEnv(), path, reinterpret_cast<const uint8*>(bytes.data()),
                             bytes.size(), error);
}

}  // namespace

namespace SpreadPicture {

bool HasPictureExtension(const std::string& path) {
  const std::string extension = Extension(path);
  return extension == "png" || extension == "svg" || extension == "pdf";
}

bool Render(IDataBase* db, UID spread, PMReal zoom, int32 flags, const std::string& path,
            std::string* error) {
  const std::string extension = Extension(path);
  const CairoPort::Format format = extension == "svg"   ? CairoPort::Format::kSVG
                                   : extension == "pdf" ? CairoPort::Format::kPDF
                                                        : CairoPort::Format::kPNG;
  // The picture covers whole device units, so that page edges at whole points fall on pixel
  // edges at zoom 1.
  const PMRect extent = SpreadDrawing::Extent(db, spread, flags);
  const PMReal left = std::floor(extent.Left() * zoom), top = std::floor(extent.Top() * zoom);
  const PMReal width = std::ceil(extent.Right() * zoom) - left;
  const PMReal height = std::ceil(extent.Bottom() * zoom) - top;
  if (!(width <= kLargestSide && height <= kLargestSide)) {
    if (error) *error = "the picture would be larger than 16384 units a side";
    return false;
  }
  std::unique_ptr<CairoPort> port =
      CairoPort::Create(format, static_cast<int32>(std::max<PMReal>(width, 1)),
                        static_cast<int32>(std::max<PMReal>(height, 1)), error);
  if (!port) return false;
  SpreadDrawing::Draw(db, spread,
                      DrawingContext(port.get(), zoom, PMPoint(left / zoom, top / zoom)), flags);
  std::string bytes;
  return port->Finish(&bytes, error) && WritePictureFile(path, bytes, error);
}

}  // namespace SpreadPicture
