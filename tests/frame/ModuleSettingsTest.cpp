// The module settings file at start-up: where it goes, which files are taken as they are, which
// draw the warning and are replaced by the defaults, and what is written back.
#include <optional>

#include "frame/ModuleSettings.h"
#include "platform/EnvFiles.h"
#include "support/PlugInHostTest.h"

namespace {

std::string Record(const std::string& name, uint8 version, uint8 reserved = 0) {
  std::string bytes(kModuleSettingsSize, '\0');
  bytes[0] = static_cast<char>(name.size());
  bytes.replace(1, name.size(), name);
  bytes[32] = static_cast<char>(version);
  bytes[200] = static_cast<char>(reserved);
  return bytes;
}

const std::string kDefaults = Record("Vantelle Module", 2);
const std::string kCustom = Record("Vantelle Module", 2, 0x7E);

class ModuleSettingsTest : public PlugInHostTest {
 protected:
  std::optional<std::string> ReadFile(const std::string& path) {
    std::vector<uint8> bytes;
    if (!ReadWholeFile(Files(), path, 1 << 20, &bytes, nullptr)) return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
  }
  void WriteFile(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(Files().CreateFolders(path.substr(0, path.rfind('/')), nullptr));
    ASSERT_TRUE(WriteFileAtomically(Files(), path, reinterpret_cast<const uint8*>(bytes.data()),
                                    bytes.size(), nullptr));
  }
};

TEST_F(ModuleSettingsTest, StartUpKeepsAValidFileAndReplacesAnyOtherByTheDefaults) {
  const struct Case {
    const char* what;
    std::optional<std::string> roamingFile;  // what the roaming folder's file holds, if any
    bool appConfig;                          // the application's Plug-Ins/Corbelin/Config exists
    bool roamingBlocked;                     // a file stands where the roaming Corbelin folder goes
    int warnings;
    std::optional<std::string> written;  // the file afterwards where start-up chose
  } cases[] = {
      {"no file", std::nullopt, false, false, 0, kDefaults},
      {"a valid file", kCustom, false, false, 0, kCustom},
      {"format version 1", Record("Vantelle Module", 1), false, false, 1, kDefaults},
      {"a later format version", Record("Vantelle Module", 3), false, false, 1, kDefaults},
      {"a name in other letter case", Record("vantelle module", 2), false, false, 1, kDefaults},
      {"a name length of 255", Record("Vantelle Module", 2).replace(0, 1, "\xFF"), false, false, 1,
       kDefaults},
      {"a short file with a valid head", kCustom.substr(0, 36), false, false, 0, kDefaults},
      {"a short damaged file", "junk", false, false, 1, kDefaults},
      {"an empty file", "", false, false, 0, kDefaults},
      {"a longer file", kCustom + "tail", false, false, 0, kCustom},
      {"the application's config folder", kCustom, true, false, 0, kDefaults},
      {"folders that cannot be made", std::nullopt, false, true, 0, std::nullopt},
  };
  int number = 0;
  for (const Case& c : cases) {
    // Each case starts the host again on folders of its own.
    const std::string app = "/" + std::to_string(++number) + "/app";
    const std::string roaming = "/" + std::to_string(number) + "/roaming";
    const std::string roamingFile = roaming + "/Corbelin/Config/QRV Vantelle Module.prf";
    const std::string appFile = app + "/Plug-Ins/Corbelin/Config/QRV Vantelle Module.prf";
    ASSERT_TRUE(Files().CreateFolders(roaming, nullptr));
    ASSERT_TRUE(
        Files().CreateFolders(c.appConfig ? app + "/Plug-Ins/Corbelin/Config" : app, nullptr));
    if (c.roamingFile) WriteFile(roamingFile, *c.roamingFile);
    if (c.roamingBlocked) WriteFile(roaming + "/Corbelin", "a file");
    TheHost().Quit();
    ASSERT_TRUE(StartHost(app, roaming)) << c.what;

    EXPECT_EQ(TheHost().Alerts().Records().size(), static_cast<size_t>(c.warnings)) << c.what;
    for (const AlertRecord& alert : TheHost().Alerts().Records()) {
      EXPECT_EQ(alert.kind, AlertRecord::kWarning) << c.what;
      EXPECT_EQ(alert.message.GetUTF8String(),
                "The Vantelle Module settings file is not valid. The default settings are used "
                "and written back.");
    }
    EXPECT_TRUE(TheHost().Report().Problems().empty()) << c.what;
    EXPECT_EQ(
        std::string(reinterpret_cast<const char*>(ModuleSettingsRecord()), kModuleSettingsSize),
        c.written.value_or(kDefaults).substr(0, kModuleSettingsSize))
        << c.what;
    EXPECT_EQ(ReadFile(c.appConfig ? appFile : roamingFile), c.written) << c.what;
    if (c.appConfig) {
      EXPECT_EQ(ReadFile(roamingFile), c.roamingFile) << "the roaming file is left alone";
    }
  }
}

}  // namespace
