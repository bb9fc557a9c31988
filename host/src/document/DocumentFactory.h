// Making new documents, and checking that a document read from a file has the shape the host's
// document model relies on.
#pragma once

#include <memory>
#include <string>

#include "BaseType.h"

class Database;
class IDataBase;

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
// has one place and every parent link agrees with its parent's children.
std::string CheckStructure(IDataBase* db);

}  // namespace DocumentFactory
