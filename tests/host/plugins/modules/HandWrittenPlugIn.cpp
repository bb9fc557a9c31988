// A plug-in object written without the plug-in entry, whose answers the build chooses: a plug-in
// built for another host (TEST_COMPATIBLE 0), or a required one whose resources cannot be found
// (TEST_REQUIRED 1).
#include "IPlugIn.h"

namespace {

class HandWrittenPlugIn : public IPlugIn {
 public:
  bool16 IsCompatible() const override { return TEST_COMPATIBLE; }
  bool16 CanUnload() const override { return kTrue; }
  bool16 IsRequired() const override { return TEST_REQUIRED; }
  bool16 WantsStartupServices() const override { return kTrue; }
  void Terminate() override {}
  PluginID GetPluginID() const override { return fID; }
  void SetPluginID(PluginID pluginID) override { fID = pluginID; }
  IDFile GetResourceFile() const override { return IDFile::FromUTF8("/nonexistent/resources"); }
  void Register(PluginID) override {}

 private:
  PluginID fID = 0;
};

HandWrittenPlugIn gPlugIn;

}  // namespace

extern "C" __attribute__((visibility("default"))) IPlugIn* GetPlugIn() {
  return &gPlugIn;
}
