// Making new documents, and checking that a document read from a file has the shape the host's
// document model relies on.
#pragma once

#include <memory>
#include <string>

#include "BaseType.h"

class Database;
class IDataBase;
class IDFile;

namespace DocumentFactory {

// The limits of a new document.
constexpr int32 kMaxPagesPerSpread = 10;
constexpr int32 kMaxPages = 9999;

// A document of spreads × pagesPerSpread pages (each at least 1, within the limits above), with
// its workspace; unmodified and with nothing to undo. Null for counts outside the limits.
std::unique_ptr<Database> NewDocument(int32 spreads, int32 pagesPerSpread);

// Why the database is no document the host can work on, or an empty text when it is one. A
// document is a tree: spreads hold pages and then pasteboard items, pages and groups hold page
// items, a frame holds at most its column, whose story ends in its final character; every object
// has one place, every parent link agrees with its parent's children, and no layout object lies
// outside the tree.
std::string CheckStructure(IDataBase* db);

// A document read from a file whose structure passes the check above; null and a message when
// the file cannot be read or holds no such document.
std::unique_ptr<Database> OpenDocument(const IDFile& file, std::string* error);

}  // namespace DocumentFactory
