#include "LabelsText.h"

#include <string>

namespace {

// A small linear congruential generator: the text must not depend on the library's.
class Lcg {
 public:
  uint32 Next() {
    fState = fState * 1664525u + 1013904223u;
    return fState >> 8;
  }

 private:
  uint32 fState = 12345;
};

}  // namespace

PMString MakeLabelsText(int lines) {
  std::string text = "<dataframe type=\"labels\" scope=\"page\" name=\"Benchmark\"/>\r\n";
  text.reserve(static_cast<size_t>(lines) * 32 + text.size());
  Lcg random;
  for (int i = 1; i < lines; ++i) {
    const std::string n = std::to_string(random.Next() % 100000);
    switch (random.Next() % 10) {
      case 0:
      case 1:
      case 2:
        text += "Article number:AB-" + n + "-XL";
        break;
      case 3:
      case 4:
        text += "Colour," + n + " deep ocean blue";
        break;
      case 5:
        text += "Time\\:Zone " + n + ":UTC+01\\:00";
        break;
      case 6:
        text += "  Net weight  :  " + n + " grams  ";
        break;
      case 7:
        text += "Price<!-- was " + n + " -->:12,50 EUR";
        break;
      case 8:
        text += "<!-- checked by the team " + n + " -->";
        break;
      default:
        text += random.Next() % 2 ? "" : "Discontinued item " + n;
        break;
    }
    text += "\r\n";
  }
  PMString result;
  result.SetUTF8String(text);
  return result;
}
