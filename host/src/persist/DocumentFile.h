// Saving a database to a document file and reading one back (see DocumentFormat.h). A damaged,
// truncated or hostile file is refused with a message; no stored count or size is trusted
// further than the bytes that remain, so no allocation exceeds the file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "IDFile.h"
#include "database/Database.h"

namespace DocumentFile {

std::vector<uint8> Write(const Database& db);
// A database read from a document file's bytes, with an empty history; null and a message when
// the bytes are refused, or when a part of them cannot be held for want of memory (which may
// also throw std::bad_alloc).
std::unique_ptr<Database> Read(const uint8* data, size_t size, std::string* error);

// Saves through the current host's environment: the bytes go to a temporary file, which is
// synced and then renamed into place, so that a failed save leaves the earlier file whole; marks
// the database saved. False with a message on failure.
bool Save(Database& db, const IDFile& file, std::string* error);
std::unique_ptr<Database> Open(const IDFile& file, std::string* error);

}  // namespace DocumentFile
