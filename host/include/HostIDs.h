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
constexpr ClassID kApplicationBoss = 0x700020;
// The session's workspace; plug-ins add their application preferences to it.
constexpr ClassID kSessionWorkspaceBoss = 0x700021;

// Interfaces.
constexpr PMIID IID_ISESSION = 0x700001;
constexpr PMIID IID_ISESSIONMEMORYSERVICE = 0xFA500;
constexpr PMIID IID_IIMPLEMENTATIONREGISTRY = 260;
constexpr PMIID IID_IAPPLICATION = 0x700020;
constexpr PMIID IID_IWORKSPACE = 0x700021;
constexpr PMIID IID_ISTARTUPSHUTDOWNSERVICE = 0x700022;

// Implementations.
constexpr ImplementationID kSessionImpl = 0x700001;
constexpr ImplementationID kSessionMemoryServiceImpl = 0x700002;
// ISubject (281): bind it to any class whose objects announce changes to observers.
constexpr ImplementationID kSubjectImpl = 0x700010;
// The document-wide broadcast utility (11311) on the utilities boss.
constexpr ImplementationID kBroadcastUtilsImpl = 0x700011;
constexpr ImplementationID kImplementationRegistryImpl = 0x700020;
constexpr ImplementationID kApplicationImpl = 0x700021;
constexpr ImplementationID kSessionWorkspaceImpl = 0x700022;
