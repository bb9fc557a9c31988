// The plug-in's identity and the IDs of its implementations. The plug-in ID is also the first
// value of each of the plug-in's identifier spaces (implementations, classes, interfaces, actions,
// widgets); the spaces are separate, so one number can name unrelated things in two of them.
#pragma once

#include "BaseType.h"

constexpr PluginID kVantellePluginID = 0x182900;
// Every string key of the plug-in begins with this and ends in "Key".
#define kVantelleStringKeyPrefix "0x182900k"

// Implementations, as the registration table lists them.
constexpr ImplementationID kVantelleActionComponentImpl = 0x182900;
constexpr ImplementationID kVantellePrefsDialogControllerImpl = 0x182901;
constexpr ImplementationID kVantellePrefsDialogObserverImpl = 0x182902;
constexpr ImplementationID kTagDataFrameDialogControllerImpl = 0x182903;
constexpr ImplementationID kTagDataFrameDialogObserverImpl = 0x182904;
constexpr ImplementationID kVantelleModuleImpl = 0x182905;
constexpr ImplementationID kVantelleAppPrefsImpl = 0x182906;
constexpr ImplementationID kVantelleStartupShutdownImpl = 0x182907;
constexpr ImplementationID kVantelleDocPrefsImpl = 0x182909;
constexpr ImplementationID kVantelleFrameTagDataImpl = 0x18290A;
constexpr ImplementationID kVantelleFrameTagDataPersistImpl = 0x18290B;
constexpr ImplementationID kVantelleFrameTagSetDataCmdImpl = 0x18290C;
constexpr ImplementationID kVantelleDataFrameAdornmentImpl = 0x18290D;
constexpr ImplementationID kVantelleTextAdornmentImpl = 0x18290E;
constexpr ImplementationID kVantelleFrameSlugScriptProviderImpl = 0x18290F;

// Menu actions (the menu entries are in the plug-in's resources).
constexpr ActionID kVantelleAboutActionID = 0x182900;
constexpr ActionID kVantellePrefsActionID = 0x182904;
