// Starting the host with plug-ins folders of the test's making: good plug-ins are loaded, their
// classes, add-ins, strings and services work, and every kind of bad module is reported and
// skipped while the host goes on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "CAlert.h"
#include "HostIDs.h"
#include "IApplication.h"
#include "ISession.h"
#include "IWorkspace.h"
#include "InterfacePtr.h"
#include "UtilsBoss.h"
#include "app/Host.h"
#include "host/plugins/modules/TestPlugInIDs.h"
#include "objectmodel/Boss.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string TestModule(const std::string& name) {
  return std::string(VANTELLE_TEST_MODULES_DIR) + "/" + name + ".pln";
}

class PlugInLoadingTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(PlugIns()); }

  std::string PlugIns() const { return fFolder.File("Plug-Ins"); }
  // Copies a module into the plug-ins folder under a name of the test's choosing; each copy is
  // a module of its own for the loader.
  std::string Install(const std::string& module, const std::string& as) const {
    std::string target = PlugIns() + "/" + as;
    fs::copy_file(module, target, fs::copy_options::overwrite_existing);
    return target;
  }
  bool Start() { return fHost.Start({PlugIns(), fFolder.File("app"), fFolder.File("roaming")}); }

  const std::vector<std::string>& Problems() { return fHost.Report().Problems(); }
  bool Reported(const std::string& path, const std::string& problem) {
    return std::find(Problems().begin(), Problems().end(), path + ": " + problem) !=
           Problems().end();
  }
  std::vector<PluginID> LoadedIDs() {
    std::vector<PluginID> ids;
    for (const LoadedPlugIn& p : fHost.PlugIns().Loaded()) ids.push_back(p.id);
    return ids;
  }
  static int32 WhichOf(const IPMUnknown* object) {
    InterfacePtr<ITestWhich> which(object, ITestWhich::kDefaultIID);
    return which ? which->Which() : -1;
  }

  TempFolder fFolder;
  Host fHost;
};

TEST_F(PlugInLoadingTest, BadModulesAreReportedAndSkippedWhileGoodOnesLoad) {
  const std::string good = Install(TestModule("TestPlugIn"), "B-Test.pln");
  const std::string noEntry = Install(TestModule("NoGetPlugIn"), "A-NoEntry.pln");
  const std::string incompatible = Install(TestModule("IncompatiblePlugIn"), "C-Old.pln");
  const std::string text = PlugIns() + "/D-Text.pln";
  std::ofstream(text) << "not a module\n";
  const std::string damaged = Install(TestModule("TestPlugIn"), "E-Damaged.pln");
  std::fstream(damaged, std::ios::in | std::ios::out | std::ios::binary).seekp(-40, std::ios::end)
      << '\x7F';
  const std::string again = Install(TestModule("TestPlugIn"), "F-Again.pln");
  std::ofstream(PlugIns() + "/ignored.txt") << "not named as a module\n";

  ASSERT_TRUE(Start());
  EXPECT_EQ(LoadedIDs(), std::vector<PluginID>{kTestPlugInID});
  EXPECT_TRUE(Reported(noEntry, "is no plug-in: it does not export GetPlugIn"));
  EXPECT_TRUE(Reported(incompatible, "the plug-in was built for another host"));
  EXPECT_TRUE(Reported(damaged, "its resources are damaged (checksum mismatch)"));
  EXPECT_TRUE(Reported(again, "plug-in 0x7C0000 is loaded already from " + good));
  ASSERT_EQ(Problems().size(), 5u);
  EXPECT_EQ(Problems()[2].rfind(text + ": cannot be loaded: ", 0), 0u) << Problems()[2];
}

TEST_F(PlugInLoadingTest, ClassesAddInsAndStringsOfAPlugInWork) {
  Install(TestModule("TestPlugIn"), "Test.pln");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Problems().empty());
  // Registrations arrive newest first, each once, with a ReadWrite only when stored.
  const std::vector<ImplementationID> expected = {kTestServiceImpl,      kTestApplicationWhichImpl,
                                                  kTestUtilityWhichImpl, kTestDerivedWhichImpl,
                                                  kTestBaseWhichImpl,    kTestValueImpl};
  EXPECT_EQ(fHost.Model().ImplementationsOf(kTestPlugInID), expected);
  for (ImplementationID id : expected) {
    const ImplementationFactory* factory = fHost.Model().FindImplementation(id);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->readWrite != nullptr, id == kTestValueImpl) << std::hex << id;
  }

  Boss* derived = Boss::Create(kTestDerivedBoss);
  ASSERT_NE(derived, nullptr);
  EXPECT_EQ(WhichOf(derived), kDerivedWhich);
  InterfacePtr<ITestValue> value(derived, ITestValue::kDefaultIID);
  ASSERT_NE(value.get(), nullptr) << "inherited from the parent class";
  EXPECT_EQ(derived->QueryInterface(IID_ITESTUTILITY), nullptr);
  derived->Release();

  InterfacePtr<IPMUnknown> utility(UtilsBoss::QueryUtils(IID_ITESTUTILITY));
  ASSERT_NE(utility.get(), nullptr) << "the utilities are made after the plug-ins' add-ins";
  // The utility is the test's ITestWhich implementation, bound under another interface ID.
  EXPECT_EQ(static_cast<ITestWhich*>(utility.get())->Which(), kUtilityWhich);
  InterfacePtr<IApplication> application(GetExecutionContextSession()->QueryApplication());
  ASSERT_NE(application.get(), nullptr);
  InterfacePtr<IPMUnknown> added(application, IID_ITESTAPPLICATION);
  ASSERT_NE(added.get(), nullptr);
  EXPECT_EQ(static_cast<ITestWhich*>(added.get())->Which(), kApplicationWhich);
  InterfacePtr<IWorkspace> workspace(GetExecutionContextSession()->QueryWorkspace());
  EXPECT_NE(workspace.get(), nullptr);

  PMString key("0x7C0000kQuoteKey");
  key.Translate();
  EXPECT_EQ(key.GetUTF8String(), "\"quoted\" \xF0\x9F\x98\x80");
}

TEST_F(PlugInLoadingTest, StartUpAndShutDownServicesRunAndQuitTakesThePlugInAway) {
  Install(TestModule("TestPlugIn"), "Test.pln");
  ASSERT_TRUE(Start());
  EXPECT_FALSE(Start()) << "the host starts once";
  ASSERT_EQ(fHost.Alerts().Records().size(), 1u);
  EXPECT_EQ(fHost.Alerts().Records()[0].kind, AlertRecord::kWarning);
  EXPECT_EQ(fHost.Alerts().Records()[0].message.GetUTF8String(), "Test module started");

  fHost.Quit();
  ASSERT_EQ(fHost.Alerts().Records().size(), 2u);
  EXPECT_EQ(fHost.Alerts().Records()[1].kind, AlertRecord::kError);
  EXPECT_EQ(fHost.Alerts().Records()[1].message.GetUTF8String(), "Test module stopped");
  EXPECT_EQ(GetExecutionContextSession(), nullptr);
  EXPECT_TRUE(fHost.PlugIns().Loaded().empty());
  EXPECT_EQ(fHost.Model().FindImplementation(kTestValueImpl), nullptr);
  EXPECT_FALSE(fHost.Model().IsClassDefined(kTestBaseBoss));
  PMString key("0x7C0000kStartedKey");
  key.Translate();
  EXPECT_EQ(key.GetUTF8String(), "0x7C0000kStartedKey") << "the plug-in's strings went with it";

  ASSERT_TRUE(Start()) << "the host starts again after a quit";
  EXPECT_EQ(LoadedIDs(), std::vector<PluginID>{kTestPlugInID});
}

TEST_F(PlugInLoadingTest, ARequiredPlugInThatFailsStopsTheStart) {
  Install(TestModule("TestPlugIn"), "A.pln");
  std::string required = Install(TestModule("RequiredPlugIn"), "B.pln");
  EXPECT_FALSE(Start());
  EXPECT_TRUE(Reported(required, "the file cannot be opened"));
  EXPECT_EQ(GetExecutionContextSession(), nullptr);
  EXPECT_EQ(fHost.Model().FindImplementation(kTestValueImpl), nullptr)
      << "the plug-ins loaded before it are unloaded again";
}

TEST_F(PlugInLoadingTest, AMissingPlugInsFolderIsReportedAndTheHostRunsWithout) {
  fs::remove(PlugIns());
  ASSERT_TRUE(Start());
  EXPECT_TRUE(fHost.PlugIns().Loaded().empty());
  ASSERT_EQ(Problems().size(), 1u);
  EXPECT_EQ(Problems()[0].rfind(PlugIns() + ": the plug-ins folder cannot be read", 0), 0u);
}

}  // namespace
