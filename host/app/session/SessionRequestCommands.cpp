// Session command that sends the plug-in's module service a numbered request, laid out as
// another plug-in lays it out (IVantelleModule.h): request.
//
//   request 1352 NAME           describe NAME's data frame
//   request 1353 NAME type=T    read the entries of type T that apply to NAME
//   request 1354 NAME …         assign a data frame (SessionAssignRequest.h)
//   request N [NAME]            any other selector, NAME (if given) as the target
#include <charconv>
#include <limits>
#include <new>

#include "CreateObject.h"
#include "IVantelleModule.h"
#include "InterfacePtr.h"
#include "PMString.h"
#include "ScriptSession.h"
#include "SessionAssignRequest.h"
#include "SessionBlock.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "app/Host.h"

namespace {

typedef uint8 Str255[256];

template <class Integer>
Integer ParseInteger(const std::string& text, const std::string& what) {
  Integer value = 0;
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end) {
    throw ScriptError(what + " must be a whole number from " +
                      std::to_string(std::numeric_limits<Integer>::min()) + " to " +
                      std::to_string(std::numeric_limits<Integer>::max()) + ", not " + text);
  }
  return value;
}

InterfacePtr<IVantelleModule> QueryModule() {
  InterfacePtr<IVantelleModule> module(static_cast<IVantelleModule*>(
      CreateObject(kVantelleModuleBoss, IVantelleModule::kDefaultIID)));
  if (!module) throw SessionFailure("the plug-in's module service is not loaded");
  return module;
}

int32 Send(int32 selector, ModuleRequestParams& params) {
  ModuleRequest request = {};
  request.selector = selector;
  request.params = &params;
  QueryModule()->ProcessRequest(&request);
  return request.result;
}

std::string Str255Text(const Str255& text) {
  return JsonQuote(PlatformEncoding::Decode(reinterpret_cast<const char*>(text + 1), text[0]));
}

// Every output pointer is given; the frame ID buffer starts empty, as the module writes it only
// for a data frame with an ID.
void Describe(ScriptSession& session, const SessionCall& call) {
  UIDRef target = session.FindItem(call.Arg(1));
  int16 flag = 0;
  Str255 frameID = {0}, typeName = {0}, scopeName = {0}, name = {0};
  ModuleRequestParams params = {};
  params.arg1 = &target;
  params.arg2 = &flag;
  params.arg3 = frameID;
  params.arg4 = typeName;
  params.arg5 = scopeName;
  params.arg6 = name;
  const uint64 refusals = Host::Get().Refusals();
  const int32 result = Send(kRequestDescribeDataFrame, params);
  // The module answers what it could read; without the memory to read all, that is no answer.
  if (Host::Get().Refusals() != refusals) throw std::bad_alloc();
  session.Out() << "result=" << result << " flag=" << flag << " frame-id=" << Str255Text(frameID)
                << " type-name=" << Str255Text(typeName) << " scope-name=" << Str255Text(scopeName)
                << " name=" << Str255Text(name) << '\n';
}

// The block becomes the caller's: it is freed through the session's memory service.
void ReadEntries(ScriptSession& session, const SessionCall& call) {
  UIDRef target = session.FindItem(call.Arg(1));
  int16 type = ParseInteger<int16>(*call.Option("type"), "type");
  SessionBlock block;
  uint32 size = 0;
  ModuleRequestParams params = {};
  params.arg1 = &target;
  params.arg2 = &type;
  params.arg3 = block.out();
  params.arg4 = &size;
  const uint64 refusals = Host::Get().Refusals();
  const int32 result = Send(kRequestReadDataFrames, params);
  // Entries left out for want of memory make a block that is no answer.
  if (Host::Get().Refusals() != refusals) throw std::bad_alloc();
  session.Out() << "result=" << result << " size=" << size
                << " block=" << (block.get() ? HexBytes(block.get(), size) : "-") << '\n';
}

void Other(ScriptSession& session, const SessionCall& call, int32 selector) {
  UIDRef target = call.ArgCount() > 1 ? session.FindItem(call.Arg(1)) : kInvalidUIDRef;
  ModuleRequestParams params = {};
  if (call.ArgCount() > 1) params.arg1 = &target;
  const int32 result = Send(selector, params);  // request 1350 prints its dialog's steps first
  session.Out() << "result=" << result << '\n';
}

void Request(ScriptSession& session, const SessionCall& call) {
  const int32 selector = ParseInteger<int32>(call.Arg(0), "the selector");
  const bool hasType = call.Option("type") != nullptr;
  if (selector == kRequestAssignDataFrame && call.ArgCount() == 2) {
    AssignRequest(session, call);
  } else if (HasAssignRequestOptions(call)) {
    throw ScriptError("only request 1354 NAME takes " kAssignRequestOptions);
  } else if (selector == kRequestDescribeDataFrame && call.ArgCount() == 2 && !hasType) {
    Describe(session, call);
  } else if (selector == kRequestReadDataFrames && call.ArgCount() == 2 && hasType) {
    ReadEntries(session, call);
  } else if (selector != kRequestDescribeDataFrame && selector != kRequestReadDataFrames &&
             !hasType) {
    Other(session, call, selector);
  } else {
    throw ScriptError("usage: request 1352 NAME | request 1353 NAME type=T | request N [NAME]");
  }
}

SessionCommandRegistrar gCommands({
    {"request N [NAME] [type=T] " kAssignRequestOptions, Request},
});

}  // namespace
