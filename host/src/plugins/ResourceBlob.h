// The binary form of a plug-in's resources, appended to the plug-in's module file:
//
//   blob    = "VRSC" version:u32 section*
//   section = kind:u32 length:u32 payload[length]
//   trailer = blobLength:u32 crc32(blob):u32 "VNTLRSRC"      (the file's last 16 bytes)
//
// Integers are little-endian, texts are a u32 byte count and UTF-8. Section kinds: 1 identity
// (plug-in ID, name), 2 class (ID, parent, binding count, bindings), 3 add-in (class ID, binding
// count, bindings), 4 string (key, text), 5 data (type, ID, the rest of the payload), 6 scripting
// property (name, script ID, value type, read-only 0 or 1, object type count, object types,
// provider class). A reader skips sections of kinds it does not know.
#pragma once

#include <string>

#include "PlugInResources.h"
#include "platform/Env.h"

namespace ResourceBlob {

constexpr size_t kTrailerSize = 16;

// The blob followed by its trailer: the bytes to append to a module file.
std::string Encode(const PlugInResources& resources);

// Decodes a blob (without trailer). Answers false, with a reason in error, for bytes that are
// not a well-formed blob; nothing of a damaged blob is handed out.
bool Decode(const std::string& blob, PlugInResources* resources, std::string* error);

// Reads the resources appended to a file. Every length is checked against the file's size before
// anything is read or allocated.
bool ReadFromFile(Env& env, const std::string& path, PlugInResources* resources,
                  std::string* error);

// The size of the file without its appended resources (the whole size when it has none), so
// that resources can be replaced rather than appended twice.
bool SizeWithoutResources(Env& env, const std::string& path, uint64* size, std::string* error);

}  // namespace ResourceBlob
