// The module settings record and its file. The record (VantelleModuleSettings) is 308 bytes, kept
// in one process-wide copy and stored byte for byte as "QRV Vantelle Module.prf" in the
// configuration folder's "Config" folder. Integers are little-endian:
//
//   offset 0   1 byte     name length, at most 31
//          1   31 bytes   name "Vantelle Module", zero bytes after it
//          32  4 bytes    format version, 2
//          36  272 bytes  reserved, zero
//
// The configuration folder is "Corbelin" below the application's "Plug-Ins" folder when that
// holds "Corbelin/Config", else "Corbelin" below the user's roaming folder. Start-up decides
// which, once; both folders are created when missing.
#pragma once

#include "BaseType.h"

constexpr uint32 kModuleSettingsSize = 308;

// The process-wide record: zero until start-up, a valid record after it.
uint8* ModuleSettingsRecord();

// Start-up: decides where the configuration folder lies and loads the settings. A missing or
// empty file gives the defaults silently, a file that is not valid gives them after a warning;
// then the record is written back, whatever was found. Throws nothing: out of memory, the record
// is valid all the same. Answers whether the file was written (nobody is told when it was not).
bool StartModuleSettings();

// Writes the record to the settings file, whole or not at all. A file that cannot be written (no
// memory, no folder, a failing disk) is not reported: the record stays in memory. Answers whether
// it was written.
bool WriteModuleSettings();

// Whether the bytes are a valid record: the module's name exactly (case counts) and version 2.
bool IsValidModuleSettings(const uint8* record);
