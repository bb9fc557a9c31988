// The host of a fuzz target, started once per process with the plug-in whose code is linked into
// the target (its resources come from the module built from the same sources): documents are then
// read by the plug-in's own parts, tag data and document preferences included, and its commands
// can run on them.
#pragma once

void StartPlugInHost();
