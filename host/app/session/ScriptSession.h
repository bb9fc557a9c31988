// The state of a running session script: the open documents with the files they came from or
// were saved to, the current one, the names of its page items, and the person in its dialogs (who
// acts for the script in the host's dialogs while the session lasts).
#pragma once

#include <iostream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ScriptDialogUser.h"
#include "UIDRef.h"
#include "scripting/ScriptManager.h"

class Host;

class ScriptSession {
 public:
  // Acts in the dialogs of the current host, if there is one. Dialog steps the person types come
  // from terminal, when given, with their prompts on prompts.
  explicit ScriptSession(std::ostream& out, std::istream* terminal = nullptr,
                         std::ostream& prompts = std::cerr);
  ~ScriptSession();
  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // Where commands print their results.
  std::ostream& Out() { return fOut; }
  ScriptDialogUser& DialogUser() { return fDialogUser; }

  // Keeps a document open until the session ends and makes it the current one; file is the one
  // it was opened from (empty for a new document).
  void AddDocument(std::unique_ptr<Database> document, std::string file = std::string());
  // The current document; a ScriptError when there is none.
  Database& CurrentDocument();
  bool HasDocument() const { return !fDocuments.empty(); }
  // The open documents as scripts see them, the current one last; SetFiles takes back the files
  // a script saved them to.
  std::vector<ScriptDocument> ScriptDocuments() const;
  void SetFiles(const std::vector<ScriptDocument>& documents);
  void SetFile(const Database& document, const std::string& file);

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
  ScriptDialogUser fDialogUser;
  Host* fHost;
  struct OpenDocument {
    std::unique_ptr<Database> document;
    std::string file;
  };
  std::vector<OpenDocument> fDocuments;
  std::map<std::string, UID> fNames;
  bool fNamesValid = false;
};
