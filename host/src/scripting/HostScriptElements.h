// The elements of the host's own scripting objects: what scripts reach without any plug-in.
#pragma once

#include <vector>

#include "ScriptElement.h"

std::vector<ScriptElement> HostScriptElements();
