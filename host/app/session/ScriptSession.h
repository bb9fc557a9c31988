// The state of a running session script: the open documents, the current one, and the names of
// its page items.
#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "UIDRef.h"

class Database;

class ScriptSession {
 public:
  explicit ScriptSession(std::ostream& out);
  ~ScriptSession();
  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // Where commands print their results.
  std::ostream& Out() { return fOut; }

  // Keeps a document open until the session ends and makes it the current one.
  void AddDocument(std::unique_ptr<Database> document);
  // The current document; a ScriptError when there is none.
  Database& CurrentDocument();
  bool HasDocument() const { return !fDocuments.empty(); }

  // The page item of the current document with that name; a ScriptError when there is none.
  UIDRef FindItem(const std::string& name);
  bool HasItem(const std::string& name);
  // Records a page item just made under its name.
  void AddItemName(const std::string& name, UID item);
  // Undo and redo may make and remove items: the names are read again from the document.
  void ForgetItemNames() { fNamesValid = false; }

 private:
  const std::map<std::string, UID>& ItemNames();

  std::ostream& fOut;
  std::vector<std::unique_ptr<Database>> fDocuments;
  std::map<std::string, UID> fNames;
  bool fNamesValid = false;
};
