// Scripts run against a document with the plug-in loaded: how a run that stops tells where and
// why, its budgets, its changes as one undo step or none at all, and the commands that one write
// of the plug-in's tag data property issues.
#include <gtest/gtest.h>

#include "IPageItemAdornmentList.h"
#include "IPageItemName.h"
#include "IScript.h"
#include "scripting/ScriptManager.h"
#include "scripting/ScriptRequest.h"
#include "tagdata/TagDataDocumentTest.h"

namespace {

class ScriptingTest : public TagDataDocumentTest {
 protected:
  ScriptOutcome Run(const std::string& source, const ScriptLimits& limits = ScriptLimits()) {
    std::vector<ScriptDocument> documents = {{&Doc(), ""}};
    return ScriptManager::OfSession()->Run("folder/test.js", source, documents, limits,
                                           [this](const std::string& line) { fPrinted += line; });
  }
  std::string NameOf(const UIDRef& item) {
    InterfacePtr<IPageItemName> name(item, IID_IPAGEITEMNAME);
    return name->GetName().GetUTF8String();
  }

  std::string fPrinted;
};

TEST_F(ScriptingTest, AScriptThatStopsTellsItsLineAndWhy) {
  NewFrame("A");
  ScriptLimits fewInstructions, littleMemory, tooLittleMemory;
  fewInstructions.instructions = 1000000;
  littleMemory.memoryBytes = 1 << 20;
  tooLittleMemory.memoryBytes = 1000;
  struct Case {
    const char* source;
    ScriptLimits limits;
    int32 line;
    const char* message;
  };
  const Case cases[] = {
      {"var a = 1;\nvar b = ;",
       {},
       2,
       "SyntaxError: empty expression not allowed (line 2, end of input)"},
      {"\n\nthrow 'boom';", {}, 3, "boom"},
      {"function f() {\n  throw new RangeError('deep');\n}\nf();", {}, 2, "RangeError: deep"},
      {"var item = app.activeDocument.pageItems[0];\nitem.vantelleTagData = 'G';",
       {},
       2,
       "Error: cannot set vantelleTagData: error 1"},
      {"try { while (true) {} } catch (e) {}\nprint('never');", fewInstructions, 1,
       "the script ran beyond its budget of 1000000 instructions"},
      {"var s = [];\nwhile (true) s.push('x' + s.length);", littleMemory, 2,
       "the script ran beyond its memory budget of 1048576 bytes"},
      {"1;", tooLittleMemory, 0, "the script engine cannot start within the memory budget"},
      {"'\xFF';", {}, 0, "the script is not UTF-8 text"},
  };
  for (const Case& c : cases) {
    const ScriptOutcome outcome = Run(c.source, c.limits);
    EXPECT_FALSE(outcome.completed) << c.source;
    EXPECT_EQ(outcome.line, c.line) << c.source;
    EXPECT_EQ(outcome.message, c.message) << c.source;
  }
}

TEST_F(ScriptingTest, ARunIsOneUndoStepWhenItCompletesAndNoneWhenItStops) {
  const UIDRef item = NewFrame("A");
  const char* changes =
      "var item = app.activeDocument.pageItems[0];\n"
      "item.name = 'B';\n"
      "item.vantelleTagData = '0000000A 00000001 00000002 41514D31 0100';\n"
      "print(item.name);\n";
  EXPECT_FALSE(Run(std::string(changes) + "null.x;").completed);
  EXPECT_EQ(NameOf(item), "A");
  EXPECT_EQ(ListHexOf(item), "null");
  EXPECT_FALSE(Doc().CanUndo());

  EXPECT_TRUE(Run(changes).completed);
  EXPECT_EQ(fPrinted, "BB");
  EXPECT_EQ(NameOf(item), "B");
  EXPECT_EQ(UndoAll(), std::vector<std::string>{"test.js"});
  EXPECT_EQ(NameOf(item), "A");
  EXPECT_EQ(ListHexOf(item), "null");
}

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
