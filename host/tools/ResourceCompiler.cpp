// vantelle-rc: the resource compiler of plug-in builds.
//
//   vantelle-rc compile OUTPUT SOURCE...   compiles resource sources into OUTPUT (blob + trailer)
//   vantelle-rc attach MODULE COMPILED     replaces the resources appended to MODULE by COMPILED
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ResourceSource.h"
#include "plugins/ResourceBlob.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "vantelle-rc: %s\n", message.c_str());
  return 1;
}

int Compile(const std::string& output, const std::vector<std::string>& sources) {
  PlugInResources resources;
  std::string error;
  if (!ResourceSource::CompileFiles(sources, &resources, &error)) return Fail(error);
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  std::string bytes = ResourceBlob::Encode(resources);
  if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
    return Fail(output + ": cannot be written");
  }
  return 0;
}

int Attach(const std::string& module, const std::string& compiled) {
  std::ifstream in(compiled, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) return Fail(compiled + ": cannot be read");
  PlugInResources check;
  std::string error;
  if (bytes.size() < ResourceBlob::kTrailerSize ||
      !ResourceBlob::Decode(bytes.substr(0, bytes.size() - ResourceBlob::kTrailerSize), &check,
                            &error)) {
    return Fail(compiled + ": is no compiled resource file" + (error.empty() ? "" : ": " + error));
  }
  // A module whose resources were attached before gets them replaced, not doubled.
  uint64 codeSize = 0;
  if (!ResourceBlob::SizeWithoutResources(Env::Default(), module, &codeSize, &error))
    return Fail(module + ": " + error);
  std::error_code resizeError;
  std::filesystem::resize_file(module, codeSize, resizeError);
  if (resizeError) return Fail(module + ": " + resizeError.message());
  std::ofstream out(module, std::ios::binary | std::ios::app);
  if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
    return Fail(module + ": cannot be written");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 3 && args[0] == "compile") {
    return Compile(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
  }
  if (args.size() == 3 && args[0] == "attach") return Attach(args[1], args[2]);
  std::fprintf(stderr,
               "usage: vantelle-rc compile OUTPUT SOURCE...\n"
               "       vantelle-rc attach MODULE COMPILED\n");
  return 2;
}
