// The layout of a document file. Every number is a big-endian u32.
//
//   magic (8 bytes)  version  rootUID  objectCount
//   objectCount times, in ascending UID order:
//     uid  class  partCount
//     partCount times:  interfaceID  implementationID  length  length bytes (the part's ReadWrite)
//   crc32 of every byte before it
//
// Parts whose implementation is not loaded are kept as bytes and written back unchanged; an
// object's parts differ in interface or implementation.
#pragma once

#include "BaseType.h"

namespace DocumentFormat {

// A text-mode transfer or a truncated copy changes these bytes.
constexpr uint8 kMagic[8] = {'V', 'T', 'D', 'O', 'C', '\r', '\n', 0x1A};
constexpr uint32 kVersion = 1;

constexpr size_t kHeaderSize = sizeof kMagic + 3 * 4;
constexpr size_t kObjectHeaderSize = 3 * 4;
constexpr size_t kPartHeaderSize = 3 * 4;
constexpr size_t kChecksumSize = 4;

}  // namespace DocumentFormat
