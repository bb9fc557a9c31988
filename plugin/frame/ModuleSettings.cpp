#include "frame/ModuleSettings.h"

#include <cstring>
#include <memory>
#include <new>

#include "CAlert.h"
#include "FileUtils.h"
#include "InterfacePtr.h"
#include "StreamUtil.h"
#include "dataframe/memory/MemBlocks.h"

namespace {

constexpr char kModuleName[] = "Vantelle Module";
constexpr size_t kVersionOffset = 32;
constexpr size_t kReservedByteOffset = 36;
constexpr int32 kFormatVersion = 2;
constexpr uint32 kAnyFileKind = 0x3F3F3F3F;  // '????': file type and creator of the settings file

uint8 gRecord[kModuleSettingsSize];
bool gUseApplicationFolder = false;

PMString Untranslated(const char* text) {
  PMString literal(text);
  literal.SetTranslatable(kFalse);
  return literal;
}

// The configuration base folder of the rule start-up chose.
IDFile BaseFolder() {
  IDFile base;
  if (gUseApplicationFolder) {
    FileUtils::GetAppFolder(&base);
    FileUtils::AppendPath(&base, Untranslated("Plug-Ins"));
  } else {
    FileUtils::GetAppRoamingDataFolder(&base, PMString());
  }
  FileUtils::AppendPath(&base, Untranslated("Corbelin"));
  return base;
}

// Built afresh for each load and write, creating the folders on the way.
IDFile SettingsFile() {
  IDFile file = BaseFolder();
  FileUtils::CreateFolderIfNeeded(file);
  FileUtils::AppendPath(&file, Untranslated("Config"));
  FileUtils::CreateFolderIfNeeded(file);
  PMString name = Untranslated("QRV Vantelle Module");
  name.Append(".prf");
  FileUtils::AppendPath(&file, name);
  return file;
}

int32 ReadVersion(const uint8* record) {
  uint32 version = 0;
  for (size_t i = 0; i < 4; ++i) version |= uint32{record[kVersionOffset + i]} << (8 * i);
  return static_cast<int32>(version);
}

// The defaults, in the record only.
void FillDefaults() {
  std::memset(gRecord, 0, kModuleSettingsSize);
  const size_t length = std::strlen(kModuleName);
  gRecord[0] = static_cast<uint8>(length);
  std::memcpy(gRecord + 1, kModuleName, length);
  for (size_t i = 0; i < 4; ++i) gRecord[kVersionOffset + i] = (kFormatVersion >> (8 * i)) & 0xFF;
  gRecord[kReservedByteOffset] = 0;
}

// The defaults, written to the file at once; answers whether they were.
bool ResetModuleSettings() {
  FillDefaults();
  return WriteModuleSettings();
}

// Answers whether it wrote the file (with the defaults).
bool LoadModuleSettings() {
  const IDFile file = SettingsFile();
  std::unique_ptr<void, void (*)(MemBlock)> buffer(NewMemBlock(kModuleSettingsSize), FreeMemBlock);
  if (!buffer) return ResetModuleSettings();
  auto* bytes = static_cast<uint8*>(buffer.get());
  std::memset(bytes, 0, kModuleSettingsSize);
  int32 read = 0;
  InterfacePtr<IPMStream> stream(
      StreamUtil::CreateFileStreamRead(file, StreamUtil::kOpenIn, kAnyFileKind, kAnyFileKind));
  if (stream) {
    read = stream->XferByte(bytes, kModuleSettingsSize);
    stream->Close();
  }
  if (read > 0 && IsValidModuleSettings(bytes)) {
    std::memcpy(gRecord, bytes, kModuleSettingsSize);
    return false;
  }
  if (read > 0) CAlert::WarningAlert(PMString("0x182900kVantelleMsgStr1Key"));
  buffer.reset();
  return ResetModuleSettings();
}

}  // namespace

uint8* ModuleSettingsRecord() {
  return gRecord;
}

bool IsValidModuleSettings(const uint8* record) {
  const size_t length = std::strlen(kModuleName);
  return record[0] == length && std::memcmp(record + 1, kModuleName, length) == 0 &&
         ReadVersion(record) == kFormatVersion;
}

bool StartModuleSettings() {
  gUseApplicationFolder = false;
  bool written = false;
  try {
    IDFile config;
    if (FileUtils::GetAppFolder(&config)) {
      for (const char* folder : {"Plug-Ins", "Corbelin", "Config"}) {
        FileUtils::AppendPath(&config, Untranslated(folder));
      }
      gUseApplicationFolder = FileUtils::DoesFileExist(config);
    }
    written = LoadModuleSettings();
  } catch (const std::bad_alloc&) {
    // Out of memory part of the way: a valid record all the same.
    if (!IsValidModuleSettings(gRecord)) FillDefaults();
  }
  // Both writes write the same record.
  return WriteModuleSettings() || written;
}

// Out of memory is a write that cannot be made: the file stays as it was (it is replaced whole
// or not at all).
bool WriteModuleSettings() {
  try {
    InterfacePtr<IPMStream> stream(StreamUtil::CreateFileStreamWrite(
        SettingsFile(), StreamUtil::kOpenOut, kAnyFileKind, kAnyFileKind));
    if (!stream) return false;
    stream->XferByte(gRecord, kModuleSettingsSize);
    stream->Close();
    return stream->GetStreamState() != IPMStream::kStreamStateFailure;
  } catch (const std::bad_alloc&) {
    return false;
  }
}
