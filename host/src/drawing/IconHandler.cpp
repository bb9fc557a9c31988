#include "IconHandler.h"

#include <algorithm>

#include "app/Host.h"
#include "plugins/PictureResources.h"
#include "plugins/PlugInResources.h"

namespace {

uint32 Faded(uint32 pixel, float opacity) {
  uint32 faded = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32 channel = static_cast<uint32>(((pixel >> shift) & 0xFF) * opacity + 0.5f);
    faded |= std::min<uint32>(channel, 0xFF) << shift;
  }
  return faded;
}

}  // namespace

void IconHandler::SetRsrc(PluginID plugin, RsrcID rsrc, bool16 flipHorizontally,
                          bool16 flipVertically, float opacity, float dimming) {
  fLoaded = false;
  fImage = PixelImage();
  Host* host = Host::Current();
  const DataResource* data = host
                                 ? host->PlugIns().FindResource(plugin, PictureResources::kIconType,
                                                                static_cast<uint32>(rsrc))
                                 : nullptr;
  if (!data || !PictureResources::DecodeIcon(data->bytes, &fImage)) {
    fImage = PixelImage();
    return;
  }
  const auto width = static_cast<size_t>(fImage.width);
  for (size_t row = 0; flipHorizontally && row < static_cast<size_t>(fImage.height); ++row) {
    std::reverse(fImage.pixels.begin() + row * width, fImage.pixels.begin() + (row + 1) * width);
  }
  for (size_t top = 0, bottom = fImage.height - 1; flipVertically && top < bottom;
       ++top, --bottom) {
    std::swap_ranges(fImage.pixels.begin() + top * width, fImage.pixels.begin() + (top + 1) * width,
                     fImage.pixels.begin() + bottom * width);
  }
  fOpacity = std::clamp(opacity, 0.0f, 1.0f);
  fDimming = dimming >= 1 ? dimming : 1;
  fLoaded = true;
}

void IconHandler::Draw(IGraphicsPort* port, const PMMatrix& iconToUser, bool16 dimmed) const {
  if (!fLoaded || !port) return;
  const float opacity = dimmed ? fOpacity / fDimming : fOpacity;
  if (opacity == 1) return port->image(fImage, iconToUser);
  PixelImage faded = fImage;
  for (uint32& pixel : faded.pixels) pixel = Faded(pixel, opacity);
  port->image(faded, iconToUser);
}
