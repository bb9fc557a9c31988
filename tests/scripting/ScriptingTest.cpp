// Scripts run against a document with the plug-in loaded: memory running out during a write of
// the plug-in's tag data property, and the commands that one write issues. How a run that stops
// tells where and why, its budgets, and its changes as one undo step or none at all run end to end
// in script-error.vts and script-tagdata.vts.
#include <gtest/gtest.h>

#include "IPageItemAdornmentList.h"
#include "IScript.h"
#include "scripting/ScriptManager.h"
#include "scripting/ScriptRequest.h"
#include "tagdata/TagDataDocumentTest.h"

namespace {

class ScriptingTest : public TagDataDocumentTest {
 protected:
  ScriptOutcome Run(const std::string& source) {
    std::vector<ScriptDocument> documents = {{&Doc(), ""}};
    return ScriptManager::OfSession()->Run("folder/test.js", source, documents, ScriptLimits(),
                                           [this](const std::string& line) { fPrinted += line; });
  }

  std::string fPrinted;
};

// A put during which the host refuses memory fails whole even when the script catches its error:
// the direct store and the commands that went before the refusal are taken back.
TEST_F(ScriptingTest, APutDuringWhichMemoryRunsOutChangesNothingEvenWhenCaught) {
  const UIDRef item = NewFrame("A");
  const char* source =
      "var a = app.activeDocument.pageItems[0];\n"
      "try { a.vantelleTagData = '0000000A000000010000000241514D310100'; print('done'); }\n"
      "catch (e) { print(e.name + ': ' + e.message); }";
  auto adornments = [&item] {
    InterfacePtr<IPageItemAdornmentList> list(item, IID_IPAGEITEMADORNMENTLIST);
    return list->GetAdornmentCount();
  };
  for (uint64 nth = 1;; ++nth) {
    fPrinted.clear();
    Memory()->FailAllocation(nth);
    ASSERT_TRUE(Run(source).completed) << nth;
    if (!Memory()->Disarm()) break;
    EXPECT_EQ(fPrinted, "RangeError: the host ran out of memory") << nth;
    EXPECT_EQ(ListHexOf(item), "null") << nth;
    EXPECT_EQ(adornments(), 0) << nth;
    EXPECT_FALSE(Doc().CanUndo()) << nth;
  }
  EXPECT_EQ(fPrinted, "done");
  EXPECT_EQ(adornments(), 2);
  EXPECT_EQ(UndoAll(), std::vector<std::string>{"test.js"}) << "one step, named after the file";
}

// Called outside any script, each command the property runs is an undo step of its own.
TEST_F(ScriptingTest, AWriteRunsTheSetDataCommandOnceAndTheAdornmentCommandsAfterIt) {
  const UIDRef item = NewFrame("A");
  InterfacePtr<ScriptManager> scripting = ScriptManager::OfSession();
  const ScriptElement* property = nullptr;
  for (const ScriptElement* e : scripting->Registry().ElementsOf(kPageItemScriptObject)) {
    if (e->name == "vantelleTagData") property = e;
  }
  ASSERT_NE(property, nullptr);
  IScriptProvider* provider = scripting->Provider(property->provider);
  ASSERT_NE(provider, nullptr);
  InterfacePtr<IScript> object(item, IID_ISCRIPT);

  struct Case {
    const char* hex;
    std::vector<std::string> steps;  // newest first
    int32 adornments;
  };
  const Case cases[] = {
      {"0000000A000000010000000241514D310100",
       {"Add Adornment", "Add Adornment", "Set Tag Data", "Change"},
       2},
      {"0000000A0000000100000002414141410100", {"Set Tag Data", "Change"}, 0},
  };
  for (const Case& c : cases) {
    ScriptData value;
    value.SetPMString(PMString(c.hex));
    ScriptRequest put(ScriptRequest::kPut, *property, {value});
    EXPECT_EQ(provider->AccessProperty(property->id, &put, object), kSuccess);
    EXPECT_EQ(ListHexOf(item), c.hex);
    InterfacePtr<IPageItemAdornmentList> adornments(item, IID_IPAGEITEMADORNMENTLIST);
    EXPECT_EQ(adornments->GetAdornmentCount(), c.adornments) << c.hex;
    EXPECT_EQ(UndoAll(), c.steps) << c.hex;
  }
}

}  // namespace
