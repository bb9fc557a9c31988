// Identifiers of the host's own classes, interfaces and implementations. Numbers that plug-ins
// rely on are the host's published ones; the rest lie in the host's private range 0x7000xx.
#pragma once

#include "BaseType.h"

constexpr PluginID kHostPluginID = 0;

// Classes.
constexpr ClassID kSessionBoss = 0x700001;
constexpr ClassID kUtilsBoss = 0x700002;

// Interfaces.
constexpr PMIID IID_ISESSION = 0x700001;
constexpr PMIID IID_ISESSIONMEMORYSERVICE = 0xFA500;

// Implementations.
constexpr ImplementationID kSessionImpl = 0x700001;
constexpr ImplementationID kSessionMemoryServiceImpl = 0x700002;
