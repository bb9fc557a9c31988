#include "RecordingPort.h"

#include "IPMFont.h"
#include "SessionFormat.h"

namespace {

std::string Matrix(const PMMatrix& m) {
  return FourDecimals(m.A()) + " " + FourDecimals(m.B()) + " " + FourDecimals(m.C()) + " " +
         FourDecimals(m.D()) + " " + FourDecimals(m.GetXTranslation()) + " " +
         FourDecimals(m.GetYTranslation());
}

}  // namespace

void RecordingPort::Record(const std::string& name, std::initializer_list<PMReal> numbers,
                           const std::string& tail) {
  std::string line = name;
  for (PMReal n : numbers) line += " " + FourDecimals(n);
  if (!tail.empty()) line += " " + tail;
  fLines.push_back(line);
}

void RecordingPort::gsave() {
  Record("save", {});
}

void RecordingPort::grestore() {
  Record("restore", {});
}

void RecordingPort::concat(const PMMatrix& matrix) {
  Record("concat", {}, Matrix(matrix));
}

void RecordingPort::setrgbcolor(PMReal red, PMReal green, PMReal blue) {
  Record("rgb", {red, green, blue});
}

void RecordingPort::setlinewidth(PMReal width) {
  Record("line-width", {width});
}

void RecordingPort::rectfill(PMReal x, PMReal y, PMReal width, PMReal height) {
  Record("fill-rect", {x, y, width, height});
}

void RecordingPort::rectstroke(PMReal x, PMReal y, PMReal width, PMReal height) {
  Record("stroke-rect", {x, y, width, height});
}

void RecordingPort::strokeline(PMReal x0, PMReal y0, PMReal x1, PMReal y1) {
  Record("stroke-line", {x0, y0, x1, y1});
}

void RecordingPort::selectfont(IPMFont* font, PMReal size) {
  fLines.push_back("font " + (font ? JsonQuote(font->GetFontName().GetUTF16()) : "-") + " " +
                   FourDecimals(size));
}

void RecordingPort::show(PMReal x, PMReal y, int32 count, const textchar* text, PMReal xScale,
                         PMReal tracking, PMReal rise) {
  std::string tail = JsonQuote(std::u16string(text, text + (count > 0 ? count : 0)));
  if (xScale != 1 || tracking != 0 || rise != 0) {
    tail += " scale=" + FourDecimals(xScale) + " tracking=" + FourDecimals(tracking) +
            " rise=" + FourDecimals(rise);
  }
  Record("text", {x, y}, tail);
}

void RecordingPort::image(const PixelImage&, const PMMatrix& imageToUser) {
  Record("icon", {}, Matrix(imageToUser));
}

void RecordingPort::setopacity(PMReal opacity) {
  Record("opacity", {opacity});
}
