// Classes of the plug-in's commands that other plug-ins may create with CmdUtils::CreateCommand.
#pragma once

#include "BaseType.h"

// The set-data command: fill its IVantelleFrameTagData, set its item list to the page items to
// change and process it; every item receives the data, each with its own copy of the list.
constexpr ClassID kVantelleFrameTagSetDataCmdBoss = 0x182904;
