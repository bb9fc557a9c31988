#include "SessionAssignRequest.h"

#include <charconv>

#include "CreateObject.h"
#include "IVantelleModule.h"
#include "InterfacePtr.h"
#include "ScriptSession.h"
#include "SessionValues.h"

namespace {

constexpr const char* kUsage =
    "usage: request 1354 NAME frame-id=S type=T name=S scope=C match-name=B match-frame-id=B "
    "hint=B";
constexpr const char* kOwnOptions[] = {"frame-id",   "name",           "scope",
                                       "match-name", "match-frame-id", "hint"};

const std::string& Required(const SessionCall& call, const char* key) {
  const std::string* value = call.Option(key);
  if (!value) throw ScriptError(std::string("request 1354 needs ") + key + "= (" + kUsage + ")");
  return *value;
}

int16 Int16Option(const SessionCall& call, const char* key) {
  const std::string& text = Required(call, key);
  int16 value = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end) {
    throw ScriptError(std::string(key) + " must be a whole number from -32768 to 32767, not " +
                      text);
  }
  return value;
}

}  // namespace

bool HasAssignRequestOptions(const SessionCall& call) {
  for (const char* key : kOwnOptions) {
    if (call.Option(key)) return true;
  }
  return false;
}

void AssignRequest(ScriptSession& session, const SessionCall& call) {
  if (call.ArgCount() != 2) throw ScriptError(kUsage);
  UIDRef target = session.FindItem(call.Arg(1));
  PMString frameID = ToPMString(Required(call, "frame-id"));
  int16 type = Int16Option(call, "type");
  PMString name = ToPMString(Required(call, "name"));
  int16 scope = Int16Option(call, "scope");
  int16 matchName = Int16Option(call, "match-name");
  int16 matchFrameID = Int16Option(call, "match-frame-id");
  int16 hint = Int16Option(call, "hint");

  InterfacePtr<IVantelleModule> module(static_cast<IVantelleModule*>(
      CreateObject(kVantelleModuleBoss, IVantelleModule::kDefaultIID)));
  if (!module) throw SessionFailure("the plug-in's module service is not loaded");
  ModuleRequestParams params = {};
  params.arg1 = &target;
  params.arg2 = &frameID;
  params.arg3 = &type;
  params.arg4 = &name;
  params.arg5 = &scope;
  params.arg6 = &matchName;
  params.arg7 = &matchFrameID;
  params.arg8 = &hint;
  ModuleRequest request = {};
  request.selector = kRequestAssignDataFrame;
  request.params = &params;
  module->ProcessRequest(&request);
  session.Out() << "result=" << request.result << '\n';
}
