// Session command that sends the plug-in's module service a numbered request, laid out as
// another plug-in lays it out (VantelleModuleClient.h): request.
//
//   request 1352 NAME           describe NAME's data frame
//   request 1353 NAME type=T    read the entries of type T that apply to NAME
//   request 1354 NAME frame-id=S type=T name=S scope=C match-name=B match-frame-id=B hint=B
//                               assign a data frame without a dialog; T, C and B are 16-bit whole
//                               numbers, passed to the module as they stand
//   request N [NAME]            any other selector, NAME (if given) as the target
#include <charconv>
#include <limits>
#include <new>

#include "ScriptSession.h"
#include "SessionBlock.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "SessionValues.h"
#include "VantelleModuleClient.h"
#include "app/Host.h"

namespace {

#define kAssignUsage \
  "request 1354 NAME frame-id=S type=T name=S scope=C match-name=B match-frame-id=B hint=B"
constexpr const char* kAssignOptions[] = {"frame-id",   "name",           "scope",
                                          "match-name", "match-frame-id", "hint"};

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

VantelleModuleClient Module() {
  VantelleModuleClient module;
  if (!module.IsLoaded()) throw SessionFailure("the plug-in's module service is not loaded");
  return module;
}

std::string Str255Text(const Str255& text) {
  return JsonQuote(PlatformEncoding::Decode(reinterpret_cast<const char*>(text + 1), text[0]));
}

// The frame ID buffer starts empty, as the module writes it only for a data frame with an ID.
void Describe(ScriptSession& session, const SessionCall& call) {
  const UIDRef target = session.FindItem(call.Arg(1));
  int16 flag = 0;
  Str255 frameID = {0}, typeName = {0}, scopeName = {0}, name = {0};
  const uint64 refusals = Host::Get().Refusals();
  const int32 result = Module().DescribeDataFrame(target, flag, frameID, typeName, scopeName, name);
  // The module answers what it could read; without the memory to read all, that is no answer.
  if (Host::Get().Refusals() != refusals) throw std::bad_alloc();
  session.Out() << "result=" << result << " flag=" << flag << " frame-id=" << Str255Text(frameID)
                << " type-name=" << Str255Text(typeName) << " scope-name=" << Str255Text(scopeName)
                << " name=" << Str255Text(name) << '\n';
}

// The block becomes the caller's: it is freed through the session's memory service.
void ReadEntries(ScriptSession& session, const SessionCall& call) {
  const UIDRef target = session.FindItem(call.Arg(1));
  const int16 type = ParseInteger<int16>(*call.Option("type"), "type");
  SessionBlock block;
  uint32 size = 0;
  const uint64 refusals = Host::Get().Refusals();
  const int32 result = Module().ReadDataFrames(target, type, *block.out(), size);
  // Entries left out for want of memory make a block that is no answer.
  if (Host::Get().Refusals() != refusals) throw std::bad_alloc();
  session.Out() << "result=" << result << " size=" << size
                << " block=" << (block.get() ? HexText(block.get(), size) : "-") << '\n';
}

const std::string& Required(const SessionCall& call, const char* key) {
  const std::string* value = call.Option(key);
  if (!value)
    throw ScriptError(std::string("request 1354 needs ") + key + "= (usage: " kAssignUsage ")");
  return *value;
}

void Assign(ScriptSession& session, const SessionCall& call) {
  const UIDRef target = session.FindItem(call.Arg(1));
  const auto number = [&](const char* key) {
    return ParseInteger<int16>(Required(call, key), key);
  };
  const PMString frameID = ToPMString(Required(call, "frame-id"));
  const int16 type = number("type");
  const PMString name = ToPMString(Required(call, "name"));
  const int16 scope = number("scope");
  const int16 matchName = number("match-name");
  const int16 matchFrameID = number("match-frame-id");
  const int16 hint = number("hint");
  session.Out() << "result="
                << Module().AssignDataFrame(target, frameID, type, name, scope, matchName,
                                            matchFrameID, hint)
                << '\n';
}

void Other(ScriptSession& session, const SessionCall& call, int32 selector) {
  UIDRef target = call.ArgCount() > 1 ? session.FindItem(call.Arg(1)) : kInvalidUIDRef;
  ModuleRequestParams params = {};
  if (call.ArgCount() > 1) params.arg1 = &target;
  const int32 result = Module().Send(selector, &params);  // 1350 prints its dialog's steps first
  session.Out() << "result=" << result << '\n';
}

void Request(ScriptSession& session, const SessionCall& call) {
  const int32 selector = ParseInteger<int32>(call.Arg(0), "the selector");
  const bool hasType = call.Option("type") != nullptr;
  bool hasAssignOptions = false;
  for (const char* key : kAssignOptions) hasAssignOptions = hasAssignOptions || call.Option(key);
  const bool withItem = call.ArgCount() == 2;
  if (selector == kRequestAssignDataFrame && withItem) {
    Assign(session, call);
  } else if (hasAssignOptions) {
    throw ScriptError(
        "only request 1354 NAME takes [frame-id=S] [name=S] [scope=C] "
        "[match-name=B] [match-frame-id=B] [hint=B]");
  } else if (selector == kRequestDescribeDataFrame && withItem && !hasType) {
    Describe(session, call);
  } else if (selector == kRequestReadDataFrames && withItem && hasType) {
    ReadEntries(session, call);
  } else if (selector != kRequestDescribeDataFrame && selector != kRequestReadDataFrames &&
             !hasType) {
    Other(session, call, selector);
  } else {
    throw ScriptError("usage: request 1352 NAME | request 1353 NAME type=T | request N [NAME]");
  }
}

SessionCommandRegistrar gCommands({
    {"request N [NAME] [type=T] [frame-id=S] [name=S] [scope=C] [match-name=B] "
     "[match-frame-id=B] [hint=B]",
     Request},
});

}  // namespace
