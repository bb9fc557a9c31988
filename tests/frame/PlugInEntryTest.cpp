// The plug-in's entry as the host meets it: GetPlugIn of a freshly loaded module, the plug-in
// object's answers in slot order, the module's own file as resource file, and the registration
// table handed to the host.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "IPlugIn.h"
#include "frame/ImplementationRegistration.h"
#include "frame/PlugIn.h"
#include "frame/VantelleID.h"
#include "platform/Env.h"
#include "support/PlugInHostTest.h"
#include "support/TempFolder.h"

namespace {

// A copy of the module loaded directly, as the host's loader does before it calls anything else.
class ModuleCopy {
 public:
  ModuleCopy() {
    fPath = fFolder.File("Vantelle.pln");
    std::filesystem::copy_file(VANTELLE_MODULE_PATH, fPath);
    std::string error;
    fModule = Env::Default().LoadModule(fPath, &error);
    EXPECT_NE(fModule, nullptr) << error;
  }
  GetPlugInProc Entry() const {
    return fModule ? reinterpret_cast<GetPlugInProc>(fModule->FindSymbol("GetPlugIn")) : nullptr;
  }
  const std::string& Path() const { return fPath; }

 private:
  TempFolder fFolder;
  std::string fPath;
  std::unique_ptr<LoadedModule> fModule;
};

TEST(PlugInEntryTest, TheModulesPlugInObjectAnswersInSlotOrder) {
  ModuleCopy module;
  GetPlugInProc getPlugIn = module.Entry();
  ASSERT_NE(getPlugIn, nullptr);
  IPlugIn* plugIn = getPlugIn();
  ASSERT_NE(plugIn, nullptr);
  EXPECT_EQ(getPlugIn(), plugIn) << "one static plug-in object";
  EXPECT_EQ(plugIn->GetPluginID(), 0u) << "0 until the host gives the ID";
  EXPECT_EQ(plugIn->IsCompatible(), kTrue);
  EXPECT_EQ(plugIn->CanUnload(), kTrue);
  EXPECT_EQ(plugIn->IsRequired(), kFalse);
  EXPECT_EQ(plugIn->WantsStartupServices(), kTrue);
  plugIn->SetPluginID(kVantellePluginID);
  EXPECT_EQ(plugIn->GetPluginID(), kVantellePluginID);
  // The process entry recorded the module's own file, the copy it was loaded from.
  EXPECT_EQ(plugIn->GetResourceFile().GetUTF8Path(), module.Path());
  EXPECT_NE(plugIn, GetPlugIn()) << "the module's object is not the test program's";
}

using PlugInRegistrationTest = PlugInHostTest;

// The registration table: every implementation once, a read/write function for the stored
// ones. Implementations come with the parts that need them; those present must match.
TEST_F(PlugInRegistrationTest, TheWalkHandsTheHostTheTableNewestFirst) {
  const std::set<ImplementationID> transient = {
      kVantelleActionComponentImpl,     kVantellePrefsDialogControllerImpl,
      kVantellePrefsDialogObserverImpl, kTagDataFrameDialogControllerImpl,
      kTagDataFrameDialogObserverImpl,  kVantelleModuleImpl,
      kVantelleStartupShutdownImpl,     kVantelleFrameTagDataImpl,
      kVantelleFrameTagSetDataCmdImpl,  kVantelleDataFrameAdornmentImpl,
      kVantelleTextAdornmentImpl,       kVantelleFrameSlugScriptProviderImpl};
  const std::set<ImplementationID> persistent = {kVantelleAppPrefsImpl, kVantelleDocPrefsImpl,
                                                 kVantelleFrameTagDataPersistImpl};
  const std::vector<ImplementationID> registered =
      TheHost().Model().ImplementationsOf(kVantellePluginID);
  std::vector<ImplementationID> walked;
  for (const ImplementationRegistration* r = ImplementationRegistration::Head(); r; r = r->next) {
    walked.push_back(r->implementationID);
    EXPECT_EQ(r->reserved[0], 0u);
    EXPECT_EQ(r->reserved[1], 0u);
  }
  EXPECT_EQ(registered, walked) << "the host receives the list in its order, head first";
  EXPECT_EQ(std::set<ImplementationID>(registered.begin(), registered.end()).size(),
            registered.size())
      << "each implementation once";
  for (ImplementationID id : registered) {
    const bool stored = persistent.count(id) != 0;
    ASSERT_TRUE(stored || transient.count(id)) << std::hex << id << " is not in the table";
    EXPECT_EQ(TheHost().Model().FindImplementation(id)->readWrite != nullptr, stored)
        << std::hex << id;
  }
}

TEST_F(PlugInRegistrationTest, EveryStringKeyHasAnEnglishText) {
  const char* const keys[] = {
      "0x182900kVantelleAboutBoxStringKey",
      "0x182900kVantelleEditDataFrameCommandKey",
      "0x182900kVantelleAssignDataFrameCommandKey",
      "0x182900kVantelleMsgStr1Key",
      "0x182900kVantelleFrameTagSetDataCmdKey",
      "0x182900kTagDataFrameFrameIDFieldEmptyErrorKey",
  };
  for (const char* key : keys) {
    PMString text(key);
    text.Translate();
    EXPECT_NE(text, PMString(key)) << key;
    EXPECT_EQ(text.IndexOfString(kVantelleStringKeyPrefix), -1) << key;
  }
}

}  // namespace
