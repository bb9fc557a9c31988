// The module settings file at start-up: where it goes, which files are taken as they are, which
// draw the warning and are replaced by the defaults, and what is written back.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "app/Host.h"
#include "frame/ModuleSettings.h"
#include "frame/PlugIn.h"
#include "host/persist/TempFolder.h"

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

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ModuleSettingsTest, StartUpKeepsAValidFileAndReplacesAnyOtherByTheDefaults) {
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
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string roamingFile = folder.File("roaming/Corbelin/Config/QRV Vantelle Module.prf");
    const std::string appFile = folder.File("app/Plug-Ins/Corbelin/Config/QRV Vantelle Module.prf");
    std::filesystem::create_directories(folder.File("roaming"));
    std::filesystem::create_directories(
        folder.File(c.appConfig ? "app/Plug-Ins/Corbelin/Config" : "app"));
    if (c.roamingFile) WriteFile(roamingFile, *c.roamingFile);
    if (c.roamingBlocked) WriteFile(folder.File("roaming/Corbelin"), "a file");
    {
      Host host;
      const HostOptions options{"", folder.File("app"), folder.File("roaming")};
      ASSERT_TRUE(host.StartWith(options, [&host] {
        return host.PlugIns().AdoptLinkedPlugIn(GetPlugIn(),
                                                IDFile::FromUTF8(VANTELLE_MODULE_PATH));
      })) << c.what;
      EXPECT_EQ(host.Alerts().Records().size(), static_cast<size_t>(c.warnings)) << c.what;
      for (const AlertRecord& alert : host.Alerts().Records()) {
        EXPECT_EQ(alert.kind, AlertRecord::kWarning) << c.what;
        EXPECT_EQ(alert.message.GetUTF8String(),
                  "The Vantelle Module settings file is not valid. The default settings are used "
                  "and written back.");
      }
      EXPECT_TRUE(host.Report().Problems().empty()) << c.what;
      const std::string expectedRecord = c.written.value_or(kDefaults);
      EXPECT_EQ(
          std::string(reinterpret_cast<const char*>(ModuleSettingsRecord()), kModuleSettingsSize),
          expectedRecord.substr(0, kModuleSettingsSize))
          << c.what;
    }
    EXPECT_EQ(ReadFile(c.appConfig ? appFile : roamingFile), c.written) << c.what;
    if (c.appConfig) {
      EXPECT_EQ(ReadFile(roamingFile), c.roamingFile) << "the roaming file is left alone";
    }
  }
}

}  // namespace
