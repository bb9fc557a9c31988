// Identifiers of the host's own classes, interfaces and implementations. Numbers that plug-ins
// rely on are the host's published ones; the rest lie in the host's private range 0x7000xx.
#pragma once

#include "BaseType.h"

constexpr PluginID kHostPluginID = 0;

// Classes.
constexpr ClassID kSessionBoss = 0x700001;
constexpr ClassID kUtilsBoss = 0x700002;
// The subject on which a database's document-wide broadcasts are heard.
constexpr ClassID kDocumentSubjectBoss = 0x700010;

// Interfaces.
constexpr PMIID IID_ISESSION = 0x700001;
constexpr PMIID IID_ISESSIONMEMORYSERVICE = 0xFA500;

// Implementations.
constexpr ImplementationID kSessionImpl = 0x700001;
constexpr ImplementationID kSessionMemoryServiceImpl = 0x700002;
// ISubject (281): bind it to any class whose objects announce changes to observers.
constexpr ImplementationID kSubjectImpl = 0x700010;
// The document-wide broadcast utility (11311) on the utilities boss.
constexpr ImplementationID kBroadcastUtilsImpl = 0x700011;
