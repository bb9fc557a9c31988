// The graphics port that records every call as one line of text instead of drawing, so that what
// a drawing does can be read and compared. Numbers have at most four decimals; texts are printed
// as JSON strings; font sizes and positions are in the user coordinates of the call.
//
//   save | restore | concat A B C D TX TY | rgb R G B | line-width W
//   fill-rect X Y W H | stroke-rect X Y W H | stroke-line X0 Y0 X1 Y1
//   font "NAME" SIZE | text X Y "…"
//   icon A B C D TX TY  (an image and the matrix from its pixels to user coordinates)
//   opacity O
//
// A text shown stretched, tracked or raised ends in scale=S tracking=T rise=R.
#pragma once

#include <string>
#include <vector>

#include "IGraphicsPort.h"

class RecordingPort final : public IGraphicsPort {
 public:
  const std::vector<std::string>& Lines() const { return fLines; }

  void gsave() override;
  void grestore() override;
  void concat(const PMMatrix& matrix) override;
  void setrgbcolor(PMReal red, PMReal green, PMReal blue) override;
  void setlinewidth(PMReal width) override;
  void rectfill(PMReal x, PMReal y, PMReal width, PMReal height) override;
  void rectstroke(PMReal x, PMReal y, PMReal width, PMReal height) override;
  void strokeline(PMReal x0, PMReal y0, PMReal x1, PMReal y1) override;
  void selectfont(IPMFont* font, PMReal size) override;
  void show(PMReal x, PMReal y, int32 count, const textchar* text, PMReal xScale, PMReal tracking,
            PMReal rise) override;
  void image(const PixelImage& picture, const PMMatrix& imageToUser) override;
  void setopacity(PMReal opacity) override;

 private:
  void Record(const std::string& name, std::initializer_list<PMReal> numbers,
              const std::string& tail = std::string());

  std::vector<std::string> fLines;
};
