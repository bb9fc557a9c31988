// The plug-in object and the module's one export.
#pragma once

#include "IPlugIn.h"

class PlugIn : public IPlugIn {
 public:
  bool16 IsCompatible() const override { return kTrue; }
  bool16 CanUnload() const override { return kTrue; }
  bool16 IsRequired() const override { return kFalse; }
  bool16 WantsStartupServices() const override { return kTrue; }
  void Terminate() override {}
  PluginID GetPluginID() const override { return fPluginID; }
  void SetPluginID(PluginID pluginID) override { fPluginID = pluginID; }
  IDFile GetResourceFile() const override;
  void Register(PluginID pluginID) override;
  ~PlugIn() override = default;

 private:
  PluginID fPluginID = 0;  // 0 until the host gives it
};

// Answers the one static PlugIn object.
extern "C" IPlugIn* GetPlugIn();
