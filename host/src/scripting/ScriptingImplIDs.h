// Identifiers that only the host's scripting uses, in the host's private range 0x7008xx.
#pragma once

#include "ScriptingIDs.h"

// The session's scripting: its elements, providers and runs (ScriptManager).
constexpr PMIID IID_ISCRIPTMANAGER = 0x700810;

// The classes of the host's own script providers.
constexpr ClassID kApplicationScriptProviderBoss = 0x700801;
constexpr ClassID kDocumentScriptProviderBoss = 0x700802;
constexpr ClassID kPageItemScriptProviderBoss = 0x700803;

constexpr ImplementationID kApplicationScriptImpl = 0x700801;
constexpr ImplementationID kDocumentScriptImpl = 0x700802;
constexpr ImplementationID kPageItemScriptImpl = 0x700803;
constexpr ImplementationID kScriptManagerImpl = 0x700804;
constexpr ImplementationID kApplicationScriptProviderImpl = 0x700805;
constexpr ImplementationID kDocumentScriptProviderImpl = 0x700806;
constexpr ImplementationID kPageItemScriptProviderImpl = 0x700807;

// The script IDs of the host's own elements.
constexpr ScriptID kActiveDocumentScriptID = ScriptCode("actd");
constexpr ScriptID kDocumentsScriptID = ScriptCode("docs");
constexpr ScriptID kPageItemsScriptID = ScriptCode("pgis");
constexpr ScriptID kSaveScriptID = ScriptCode("save");
constexpr ScriptID kSavePathScriptID = ScriptCode("path");
constexpr ScriptID kNameScriptID = ScriptCode("pnam");
constexpr ScriptID kIDScriptID = ScriptCode("ID  ");
constexpr ScriptID kContentsScriptID = ScriptCode("pcnt");
