// Decodes dialog views as a plug-in's resources hold them. Any bytes must be refused or decoded
// without harm, and a view that decodes must encode to the same bytes.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/ViewResource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ViewResource view;
  std::string error;
  if (ViewResource::Decode(bytes, &view, &error) && view.Encode() != bytes) {
    std::fprintf(stderr, "view resource: a decoded view encodes to other bytes\n");
    std::abort();
  }
  return 0;
}
