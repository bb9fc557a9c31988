// Identifiers of the host's scripting: script IDs, the object types that offer properties, the
// scripting interfaces and the error codes of property access. The host's own numbers lie in its
// private range 0x7008xx.
#pragma once

#include "BaseType.h"

// A four-character code, first character in the high byte: ScriptCode("VLsd") is 0x564C7364.
typedef uint32 ScriptID;
constexpr ScriptID ScriptCode(const char (&code)[5]) {
  return static_cast<ScriptID>(static_cast<uint8>(code[0])) << 24 |
         static_cast<ScriptID>(static_cast<uint8>(code[1])) << 16 |
         static_cast<ScriptID>(static_cast<uint8>(code[2])) << 8 |
         static_cast<ScriptID>(static_cast<uint8>(code[3]));
}

// Object types (IScript::GetObjectType). A text frame is a page item: it offers every property
// of page items, and its own.
constexpr ScriptID kApplicationScriptObject = ScriptCode("capp");
constexpr ScriptID kDocumentScriptObject = ScriptCode("docu");
constexpr ScriptID kPageItemScriptObject = ScriptCode("pitm");
constexpr ScriptID kTextFrameScriptObject = ScriptCode("txtf");

// Interfaces.
constexpr PMIID IID_ISCRIPT = 0x700801;
constexpr PMIID IID_ISCRIPTPROVIDER = 0x700802;
constexpr PMIID IID_ISCRIPTREQUESTDATA = 0x700803;

// Error codes of property access and method calls, beside kSuccess and kFailure.
// The provider does not serve the element (what CScriptProvider answers).
constexpr ErrorCode kScriptUnknownElementError = 30201;
// The value or argument cannot be had as the type the element declares.
constexpr ErrorCode kScriptWrongTypeError = 30202;
// A method was called without an argument that it asks for.
constexpr ErrorCode kScriptNoValueError = 30203;
