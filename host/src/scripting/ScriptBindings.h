// The host's scripting objects as one run of a script sees them: the globals app and print,
// one JavaScript object per scripting object (the same one each time it is reached), whose
// prototype carries an accessor for every property and a function for every method that its
// object type offers; lists become arrays with itemByName. Every access goes to the element's
// provider, as a plug-in's property does; a put or a call that fails changes nothing.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "IScript.h"
#include "InterfacePtr.h"
#include "ScriptRequest.h"
#include "duktape.h"

class ScriptManager;

class ScriptBindings {
 public:
  typedef std::function<void(const std::string&)> PrintFunction;

  ScriptBindings(duk_context* ctx, ScriptManager& manager, PrintFunction print);
  ~ScriptBindings();
  ScriptBindings(const ScriptBindings&) = delete;
  ScriptBindings& operator=(const ScriptBindings&) = delete;

  // Defines the globals. Like every call that pushes onto the engine's stack, it throws the
  // engine's error when memory runs out: call it inside a protected call.
  void Install();
  // From now on every access throws: the script has ended, and nothing it left behind (a
  // finalizer, say) may reach the host any more.
  void Close() { fClosed = true; }
  // The line of the last throw statement the script ran, 0 before any.
  int32 LastThrowLine() const { return fLastThrowLine; }

 private:
  static ScriptBindings& Of(duk_context* ctx);
  // The engine's entry points; each runs its member function below with the host's errors
  // turned into the script's.
  template <duk_ret_t (ScriptBindings::*Function)()>
  static duk_ret_t Entry(duk_context* ctx);

  duk_ret_t GetProperty();
  duk_ret_t SetProperty();
  duk_ret_t CallMethod();
  duk_ret_t ItemByName();
  duk_ret_t Print();
  // The engine calls this as it throws anything: it notes the line of the code that throws, for
  // a thrown value that is no Error and so carries no line of its own.
  static duk_ret_t RecordThrowLine(duk_context* ctx);

  // Throws an Error (blamed on the script's line that made the call) with the message.
  [[noreturn]] void Throw(duk_errcode_t type, const std::string& message);
  const ScriptElement& CurrentElement();
  IScript* ThisObject();
  // Runs the request on the element's provider; a get or a call pushes the answer.
  void Access(ScriptRequest::Kind kind, const ScriptElement& element, IScript* object,
              std::vector<ScriptData> values);

  void PushObject(IScript* object);
  void PushPrototype(ScriptID objectType);
  void PushValue(const ScriptData& value);
  ScriptData ValueAt(duk_idx_t index);
  // The scripting object of a JavaScript object that stands for one, or null.
  IScript* ObjectAt(duk_idx_t index);

  duk_context* fContext;
  ScriptManager& fManager;
  PrintFunction fPrint;
  bool fClosed = false;
  int32 fLastThrowLine = 0;
  // The elements the prototypes made so far serve; their functions know them by index.
  std::vector<const ScriptElement*> fElements;
  // The scripting objects the script has reached, by the index their JavaScript object holds.
  std::vector<InterfacePtr<IScript>> fObjects;
  std::map<const IScript*, uint32> fObjectIndex;
};
