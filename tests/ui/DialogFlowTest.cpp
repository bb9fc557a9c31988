// The plug-in's dialogs and menu actions in a host with the plug-in: the steps a script cannot
// take, the action component's two actions, and the preferences dialog's writing of the settings
// file. The dialogs' own behaviour runs end to end in tests/sessions/.
#include <algorithm>
#include <cstring>
#include <sstream>

#include "CreateObject.h"
#include "IActionComponent.h"
#include "IApplication.h"
#include "IControlView.h"
#include "IDialogMgr.h"
#include "IPanelControlData.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "SessionRunner.h"
#include "WidgetIDs.h"
#include "frame/ModuleSettings.h"
#include "platform/EnvFiles.h"
#include "support/PlugInHostTest.h"
#include "ui/Menus.h"

namespace {

constexpr ClassID kActionComponentBoss = 0x182900;

class DialogFlowTest : public PlugInHostTest {
 protected:
  int Run(const std::string& script) {
    std::istringstream in(script);
    fOut.str("");
    fErr.str("");
    return RunSessionScript(in, fOut, fErr, false);
  }
  static constexpr char kSettingsFile[] = "/roaming/Corbelin/Config/QRV Vantelle Module.prf";
  IDialog* FrontDialog() { return TheHost().UI().FrontDialog(); }

  std::ostringstream fOut;
  std::ostringstream fErr;
};

TEST_F(DialogFlowTest, StepsThatCannotBeTakenAreScriptErrorsAndCancelTheirDialog) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"dialog pick",
       "unknown dialog step pick; dialog steps are show, text WIDGET S, select "
       "WIDGET N, check WIDGET on|off, ok and cancel"},
      {"dialog show text 0x18291A",
       "text needs a text; dialog steps are show, text WIDGET S, "
       "select WIDGET N, check WIDGET on|off, ok and cancel"},
      {"dialog text SKU 1", "a widget is named by its hexadecimal ID (0x18291A), not SKU"},
      {"dialog select 0x182916 -1", "an item is numbered from 0, not -1"},
      {"dialog check 0x182922 yes", "check takes on or off, not yes"},
      {"dialog text 0x999 X ok\nrequest 1350 A", "the dialog has no widget 0x999"},
      {"dialog select 0x18291A 1 ok\nrequest 1350 A", "widget 0x18291A is no list but a field"},
      {"dialog check 0x182916 on ok\nrequest 1350 A", "widget 0x182916 is no check but a list"},
      {"dialog select 0x182916 6 ok\nrequest 1350 A", "list 0x182916 has 6 items, from 0"},
      {"dialog text 0x18291A X select 0x182916 4 select 0x182918 1 ok\nrequest 1350 A",
       "widget 0x182918 is disabled"},
      {"dialog text 0x18291A X\nrequest 1350 A",
       "dialog left open: queue its steps up to ok or cancel with dialog before the command that "
       "opens it"},
      {"action 0x182904\ndialog ok show", "no dialog is open for the steps after it closed"},
      {"action 0x182901", "no menu entry has the action 0x182901"},
  };
  for (const auto& c : cases) {
    const std::string script = std::string("new-document\ntext-frame A page=1\n") + c.script;
    EXPECT_EQ(Run(script + "\ntext A\n"), kSessionScriptError) << c.script;
    const int line =
        3 + static_cast<int>(std::count(c.script, c.script + std::strlen(c.script), '\n'));
    EXPECT_EQ(fErr.str(), "error: line " + std::to_string(line) + ": " + c.error + "\n")
        << c.script;
    EXPECT_EQ(FrontDialog(), nullptr) << c.script;
  }
}

TEST_F(DialogFlowTest, TheActionComponentShowsAboutOpensPreferencesAndIgnoresTheRest) {
  InterfacePtr<IActionComponent> actions(static_cast<IActionComponent*>(
      CreateObject(kActionComponentBoss, IActionComponent::kDefaultIID)));
  ASSERT_TRUE(actions);
  for (ActionID ignored : {0x182901u, 0x182905u, 0u, 0xFFFFFFFFu}) {
    actions->DoAction(nullptr, ignored, GSysPoint(), nullptr);
  }
  EXPECT_TRUE(TheHost().Alerts().Records().empty());
  EXPECT_EQ(FrontDialog(), nullptr);

  actions->DoAction(nullptr, 0x182900, GSysPoint(), nullptr);
  ASSERT_EQ(TheHost().Alerts().Records().size(), 1u);
  const AlertRecord& about = TheHost().Alerts().Records()[0];
  EXPECT_EQ(about.kind, AlertRecord::kModal);
  EXPECT_EQ(about.message.GetUTF8String(),
            "Vantelle Module 18.0.7 (build 18.07)\nStructured tag data for page items, kept in "
            "data frames.");
  ASSERT_EQ(about.buttons.size(), 1u);
  EXPECT_EQ(about.buttons[0].GetUTF8String(), "OK");

  actions->DoAction(nullptr, 0x182904, GSysPoint(), nullptr);
  ASSERT_NE(FrontDialog(), nullptr) << "the preferences dialog stays open";
  EXPECT_EQ(InterfacePtr<IControlView>(FrontDialog()->GetDialogPanel(), IControlView::kDefaultIID)
                ->GetWidgetID(),
            250u);
  CancelDialog(FrontDialog());
}

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
  for (const RsrcSpec& spec : missing) {
    EXPECT_EQ(dialogs->CreateNewDialog(spec, IDialog::kMovableModal), nullptr) << spec.GetID();
  }
  InterfacePtr<IDialog> found(dialogs->CreateNewDialog(
      {WLocaleSetting::GetLocale(), 0x182900, kViewRsrcType, 251, kTrue}, IDialog::kMovableModal));
  EXPECT_TRUE(found);
}

}  // namespace
