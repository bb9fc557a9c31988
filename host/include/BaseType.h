// The host SDK's basic scalar types and identifiers.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int8_t int8;
typedef uint8_t uint8;
typedef int16_t int16;
typedef uint16_t uint16;
typedef int32_t int32;
typedef uint32_t uint32;
typedef int64_t int64;
typedef uint64_t uint64;

// The host's 16-bit boolean: 1 true, 0 false.
typedef int16 bool16;
constexpr bool16 kTrue = 1;
constexpr bool16 kFalse = 0;

// One UTF-16 code unit; strings count their positions and lengths in these.
typedef char16_t textchar;
// One Unicode scalar value.
typedef uint32 UTF32TextChar;

typedef double PMReal;

typedef int32 ErrorCode;
constexpr ErrorCode kSuccess = 0;
constexpr ErrorCode kFailure = 1;
// The host ran out of memory on the way.
constexpr ErrorCode kOutOfMemoryError = 2;

// Identifier spaces of the component model; each is a separate space of 32-bit numbers.
typedef uint32 PMIID;
typedef uint32 ClassID;
typedef uint32 ImplementationID;
typedef uint32 PluginID;
typedef uint32 ActionID;
typedef uint32 WidgetID;

constexpr PMIID kInvalidInterfaceID = 0;
constexpr ClassID kInvalidClass = 0;
constexpr ImplementationID kInvalidImpl = 0;

// Symbols of the host's shared library that plug-ins link against.
#define HOST_API __attribute__((visibility("default")))
