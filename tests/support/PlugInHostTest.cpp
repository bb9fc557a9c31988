#include "PlugInHostTest.h"

#include "frame/PlugIn.h"
#include "platform/EnvFiles.h"
#include "plugins/ResourceBlob.h"

namespace {

// Where the plug-in's resources lie in the test's files.
constexpr char kResourceFile[] = "/Vantelle.pln";

// The resources of the module built from the plug-in's sources, as they are appended to it: read
// from the module once for the whole test program.
const std::string& ModuleResources() {
  static const std::string bytes = [] {
    PlugInResources resources;
    std::string error;
    EXPECT_TRUE(
        ResourceBlob::ReadFromFile(Env::Default(), VANTELLE_MODULE_PATH, &resources, &error))
        << error;
    return ResourceBlob::Encode(resources);
  }();
  return bytes;
}

}  // namespace

void PlugInHostTest::SetUp() {
  const std::string& resources = ModuleResources();
  ASSERT_TRUE(WriteFileAtomically(Files(), kResourceFile,
                                  reinterpret_cast<const uint8*>(resources.data()),
                                  resources.size(), nullptr));
  ASSERT_TRUE(StartHost());
}

bool PlugInHostTest::StartHost(const std::string& appFolder, const std::string& roamingFolder) {
  return TheHost().StartWith({"", appFolder, roamingFolder}, [this] {
    return TheHost().PlugIns().AdoptLinkedPlugIn(GetPlugIn(), IDFile::FromUTF8(kResourceFile));
  });
}
