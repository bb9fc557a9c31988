// The session's scripting: the elements that scripts reach (the host's and the plug-ins'), the
// providers that serve them, and the running of scripts. It is a part of the session object, so
// it lives and ends with the session.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "CPMUnknown.h"
#include "IScriptProvider.h"
#include "InterfacePtr.h"
#include "ScriptBudget.h"
#include "ScriptRegistry.h"
#include "ScriptingImplIDs.h"

class Database;

// A document a script sees, and the file it was opened from or last saved to (empty for none).
struct ScriptDocument {
  Database* document = nullptr;
  std::string file;
};

// How a run ended: completed, or stopped by an error at a line of the script.
struct ScriptOutcome {
  bool completed = true;
  int32 line = 0;
  std::string message;
};

class ScriptManager : public CPMUnknown<IPMUnknown> {
 public:
  enum { kDefaultIID = IID_ISCRIPTMANAGER };

  explicit ScriptManager(IPMUnknown* boss);
  ~ScriptManager() override;

  // The current session's, or null without a session.
  static InterfacePtr<ScriptManager> OfSession();

  // Adds an element of a plug-in's scripting resources; answers why it cannot be, or "".
  std::string AddElement(const ScriptElement& element) { return fRegistry.Add(element); }
  const ScriptRegistry& Registry() const { return fRegistry; }
  // The provider object of the class, made when first asked for and kept for the session; null
  // when it cannot be made.
  IScriptProvider* Provider(ClassID providerClass);

  // Runs the script (UTF-8 source) against the documents, the last of them the active one; a
  // save records its file in them. name names the script in messages, and its last path
  // component names the undo step that its changes make. Each print call gives one line.
  // A script that stops with an error, or that the host has no memory to run, leaves every
  // document as it was before the run.
  ScriptOutcome Run(const std::string& name, const std::string& source,
                    std::vector<ScriptDocument>& documents, const ScriptLimits& limits,
                    const std::function<void(const std::string&)>& print);
  // The documents of the script that runs; empty between runs.
  std::vector<ScriptDocument>& RunDocuments();
  // Counts the runs, so that a provider can tell whether what it learned belongs to this one.
  uint64 RunNumber() const { return fRunNumber; }

 private:
  ScriptRegistry fRegistry;
  std::map<ClassID, InterfacePtr<IScriptProvider>> fProviders;
  std::vector<ScriptDocument>* fRunDocuments = nullptr;
  uint64 fRunNumber = 0;
  std::vector<ScriptDocument> fNoDocuments;
};
