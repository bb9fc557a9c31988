// The plug-in's access to its resources, on its process-wide resource-file record.
#pragma once

#include "WBaseResourceAccess.h"

class WResourceAccess : public WBaseResourceAccess {
 public:
  WResourceAccess(PluginID pluginID, const FileInfo& info) : WBaseResourceAccess(pluginID, info) {}
  ~WResourceAccess() override;
};
