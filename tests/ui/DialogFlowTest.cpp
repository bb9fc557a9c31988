// The plug-in's dialogs where a script cannot reach: the preferences dialog's writing of the
// settings file, memory running out, a view the resources lack. The dialogs' own behaviour and the
// menu actions run end to end in tests/sessions/.
#include "CreateObject.h"
#include "IApplication.h"
#include "IDialogController.h"
#include "IDialogMgr.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "WidgetIDs.h"
#include "frame/ModuleSettings.h"
#include "platform/EnvFiles.h"
#include "support/PlugInHostTest.h"
#include "ui/Menus.h"

namespace {

class DialogFlowTest : public PlugInHostTest {
 protected:
  static constexpr char kSettingsFile[] = "/roaming/Corbelin/Config/QRV Vantelle Module.prf";
  IDialog* FrontDialog() { return TheHost().UI().FrontDialog(); }
};

TEST_F(DialogFlowTest, PreferencesOKWritesTheRecordAndCancelWritesNothing) {
  ASSERT_TRUE(Files().Remove(kSettingsFile, nullptr));
  ASSERT_TRUE(DoMenuAction(TheHost().PlugIns(), 0x182904));
  CancelDialog(FrontDialog());
  EXPECT_FALSE(Files().Exists(kSettingsFile));

  ASSERT_TRUE(DoMenuAction(TheHost().PlugIns(), 0x182904));
  ModuleSettingsRecord()[300] = 0x33;  // changed behind the dialog's back: its copy wins
  EXPECT_TRUE(PressDialogButton(FrontDialog(), kOKButtonWidgetID));
  EXPECT_EQ(FrontDialog(), nullptr);
  EXPECT_EQ(ModuleSettingsRecord()[300], 0);
  std::vector<uint8> written;
  ASSERT_TRUE(ReadWholeFile(Files(), kSettingsFile, 1024, &written, nullptr));
  EXPECT_EQ(written.size(), kModuleSettingsSize);
}

TEST_F(DialogFlowTest, WithoutAWorkingCopyTheBeepSoundsAndOKWritesNothing) {
  ASSERT_TRUE(Files().Remove(kSettingsFile, nullptr));
  const uint64 beeps = TheHost().BeepCount();
  Memory()->FailAllocation(1);
  ASSERT_TRUE(DoMenuAction(TheHost().PlugIns(), 0x182904));
  EXPECT_EQ(TheHost().BeepCount(), beeps + 1);
  EXPECT_EQ(TheHost().LastBeepType(), 0u);
  EXPECT_TRUE(PressDialogButton(FrontDialog(), kOKButtonWidgetID));
  EXPECT_EQ(FrontDialog(), nullptr);
  EXPECT_FALSE(Files().Exists(kSettingsFile));
}

TEST_F(DialogFlowTest, AViewTheResourcesLackGivesNoDialog) {
  InterfacePtr<IApplication> application(GetExecutionContextSession()->QueryApplication());
  InterfacePtr<IDialogMgr> dialogs(application, IDialogMgr::kDefaultIID);
  ASSERT_TRUE(dialogs);
  const RsrcSpec missing[] = {
      {WLocaleSetting::GetLocale(), 0x182900, kViewRsrcType, 252, kTrue},
      {WLocaleSetting::GetLocale(), 0x182900, kMenuRsrcType, 0x182900, kTrue},
      {WLocaleSetting::GetLocale(), 0x182901, kViewRsrcType, 251, kTrue},
  };
  for (const RsrcSpec& resource : missing) {
    EXPECT_EQ(dialogs->CreateNewDialog(resource, IDialog::kMovableModal), nullptr)
        << resource.GetID();
  }
  InterfacePtr<IDialog> found(dialogs->CreateNewDialog(
      {WLocaleSetting::GetLocale(), 0x182900, kViewRsrcType, 251, kTrue}, IDialog::kMovableModal));
  EXPECT_TRUE(found);
}

// A document file may hold objects of any class, two preferences controllers among them: they
// share the one working copy, and it goes with them (the fixture counts the blocks left over).
TEST_F(DialogFlowTest, TwoPreferencesControllersAtOnceShareOneWorkingCopy) {
  const uint64 blocks = Memory()->LiveBlocks();
  InterfacePtr<IDialogController> first(
      static_cast<IDialogController*>(CreateObject(0x182901, IDialogController::kDefaultIID)));
  InterfacePtr<IDialogController> second(
      static_cast<IDialogController*>(CreateObject(0x182901, IDialogController::kDefaultIID)));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(Memory()->LiveBlocks(), blocks + 1);
}

}  // namespace
