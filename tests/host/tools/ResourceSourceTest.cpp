// The resource source language: what a well-formed source compiles to, and the message each
// mistake draws, naming its line.
#include <gtest/gtest.h>

#include <fstream>

#include "ResourceSource.h"
#include "RsrcSpec.h"
#include "support/TempFolder.h"
#include "ui/Menus.h"
#include "ui/ViewResource.h"

namespace {

bool ParseText(const std::string& text, PlugInResources* out, std::string* error) {
  return ResourceSource::Parse(text, "test.vrc", out, error);
}

TEST(ResourceSourceTest, AWellFormedSourceGivesEveryKindOfResource) {
  const std::string text =
      "# comment line\n"
      "plugin 0x182900 \"Vantelle Module\"  # trailing comment\n"
      "\n"
      "class 0x10 parent 16\r\n"
      "  0x1 0x2\n"
      "  3 4\n"
      "end\n"
      "addin 0x6201\n"
      "  0x182903 0x18290B\n"
      "end\n"
      "strings\n"
      "  0x182900kAKey \"tab\\there \\\"q\\\" back\\\\slash # not a comment\"\n"
      "  0x182900kBKey \"\\u{E9}\\u{1F600}\\n\"\n"
      "end\n"
      "scripting\n"
      "  property tag_$1 id VLsd type string on page-item,document provider 0x10 read-only\n"
      "end\n";
  PlugInResources r;
  std::string error;
  ASSERT_TRUE(ParseText(text, &r, &error)) << error;
  EXPECT_EQ(r.pluginID, 0x182900u);
  EXPECT_EQ(r.name, "Vantelle Module");
  ASSERT_EQ(r.classes.size(), 1u);
  EXPECT_EQ(r.classes[0].id, 0x10u);
  EXPECT_EQ(r.classes[0].parent, 16u);
  ASSERT_EQ(r.classes[0].bindings.size(), 2u);
  EXPECT_EQ(r.classes[0].bindings[1].interfaceID, 3u);
  EXPECT_EQ(r.classes[0].bindings[1].implementation, 4u);
  ASSERT_EQ(r.addIns.size(), 1u);
  EXPECT_EQ(r.addIns[0].id, 0x6201u);
  EXPECT_EQ(r.addIns[0].bindings[0].implementation, 0x18290Bu);
  ASSERT_EQ(r.strings.size(), 2u);
  EXPECT_EQ(r.strings[0].first, "0x182900kAKey");
  EXPECT_EQ(r.strings[0].second, "tab\there \"q\" back\\slash # not a comment");
  EXPECT_EQ(r.strings[1].second, "\xC3\xA9\xF0\x9F\x98\x80\n");
  ASSERT_EQ(r.scriptProperties.size(), 1u);
  const ScriptElement& property = r.scriptProperties[0];
  EXPECT_EQ(property.name, "tag_$1");
  EXPECT_EQ(property.id, 0x564C7364u);
  EXPECT_EQ(property.type, ScriptData::kString);
  EXPECT_EQ(property.objectTypes,
            (std::vector<ScriptID>{kPageItemScriptObject, kDocumentScriptObject}));
  EXPECT_EQ(property.provider, 0x10u);
  EXPECT_TRUE(property.readOnly);
}

TEST(ResourceSourceTest, MistakesAreReportedWithTheirLine) {
  struct Case {
    const char* text;
    const char* message;  // the whole message after "test.vrc:"
  };
  const Case cases[] = {
      {"plugin 1 \"a\"\nplugin 2 \"b\"\n", "2: the plug-in is named twice"},
      {"plugin 0 \"a\"\n", "1: plug-in ID 0 is the host's own"},
      {"widget 3\n", "1: unknown statement \"widget\""},
      {"class 0x10\n 1 2\nend\nclass 16\nend\n", "4: class 16 is defined twice"},
      {"class 0x10 parent\n", "1: expected: class ID [parent ID]"},
      {"class 1\n 1 2\n 1 3\nend\n", "3: interface 1 is bound twice"},
      {"class 1\n 1\nend\n", "2: expected: INTERFACE IMPLEMENTATION, or end"},
      {"class 1\n 0x100000000 2\nend\n", "2: expected: INTERFACE IMPLEMENTATION, or end"},
      {"addin 1 2\n", "1: expected: addin CLASS"},
      {"strings\n k \"a\"\n k \"b\"\nend\n", "3: string key k is defined twice"},
      {"strings\n k a\nend\n", "2: expected: KEY \"text\", or end"},
      {"strings\n k \"open\nend\n", "2: a quoted text is not closed"},
      {"strings\n k \"\\q\"\nend\n", "2: unknown escape \\q"},
      {"strings\n k \"\\u{12X}\"\nend\n", "2: \\u{12X} is not hexadecimal"},
      {"strings\n k \"a\\", "2: a quoted text ends in a backslash"},
      {"end\n", "1: \"end\" without a block"},
      {"class 1\nend now\n", "2: \"end\" stands alone"},
      {"data ICO 1 \"x\"\n", "1: expected: data TYPE ID \"file\" (TYPE of four characters)"},
      {"\nstrings\n k \"v\"\n", " the strings block begun on line 2 has no \"end\""},
      {"menu 1 2 \"a\"\nmenu 1 3 \"b\"\n", "2: menu action 1 is defined twice"},
      {"view 1 2 0,0,9\n", "1: expected: view ID CLASS L,T,R,B \"title\""},
      {"view 1 2 0,0,9,9 \"t\"\nend\nview 1 2 0,0,9,9 \"t\"\n", "3: view 1 is defined twice"},
      {"view 1 2 0,0,9,9 \"t\"\n slider 3 0,0,9,9 \"s\"\n", "2: unknown widget kind \"slider\""},
      {"view 1 2 0,0,9,9 \"t\"\n list 3 0,0,9,9 item\n",
       "2: expected: list WIDGET L,T,R,B \"item\"..."},
      {"view 1 2 0,0,9,9 \"t\"\n check 3 9,0,9,9 \"c\"\n",
       "2: expected: check WIDGET L,T,R,B \"text\""},
      {"view 1 2 0,0,9,9 \"t\"\n panel 5 0,0,9,9 \"p\"\n  field 0x7 0,0,9,9 \"\"\n end\n"
       " list 7 0,0,9,9\n",
       "5: widget 7 is in the view already (line 3)"},
      {"view 1 2 0,0,9,9 \"t\"\n panel 5 0,0,9,9 \"p\"\nend\n",
       " the view block begun on line 1 has no \"end\""},
      {"view 1 2 0,0,9,9 \"t\"\n"
       " panel 0 0,0,9,9 \"p\"\n panel 0 0,0,9,9 \"p\"\n panel 0 0,0,9,9 \"p\"\n"
       " panel 0 0,0,9,9 \"p\"\n panel 0 0,0,9,9 \"p\"\n panel 0 0,0,9,9 \"p\"\n"
       " panel 0 0,0,9,9 \"p\"\n panel 0 0,0,9,9 \"p\"\n panel 0 0,0,9,9 \"p\"\n",
       "10: panels nest deeper than 8"},
      {"scripting\n property 1a id ABCD type string on page-item provider 1\nend\n",
       "2: 1a is no JavaScript name"},
      {"scripting\n property a id ABC type string on page-item provider 1\nend\n",
       "2: a script ID is four printable characters: ABC"},
      {"scripting\n property a id ABCD type text on page-item provider 1\nend\n",
       "2: unknown value type text"},
      {"scripting\n property a id ABCD type real on frame provider 1\nend\n",
       "2: unknown object type frame"},
      {"scripting\n property a id ABCD type real on document provider 1 read-only read-only\n",
       "2: expected: property NAME id ID type TYPE on OBJECT-TYPE[,OBJECT-TYPE...] provider CLASS "
       "[read-only], or end"},
      {"scripting\n property a id ABCD type real on document\n",
       "2: expected: property NAME id ID type TYPE on OBJECT-TYPE[,OBJECT-TYPE...] provider CLASS "
       "[read-only], or end"},
      // Text frames are page items: they offer the host's name already.
      {"scripting\n property name id ABCD type string on text-frame provider 1\nend\n",
       "2: the name name is taken"},
      {"scripting\n property a id ABCD type real on page-item provider 1\n"
       " property b id ABCD type real on text-frame provider 1\nend\n",
       "3: the script ID of b is taken"},
  };
  for (const Case& c : cases) {
    PlugInResources r;
    std::string error;
    EXPECT_FALSE(ParseText(c.text, &r, &error)) << c.text;
    EXPECT_EQ(error, std::string("test.vrc:") + c.message) << c.text;
  }
}

// A view compiles to a 'VIEW' resource that decodes to its widgets, and a menu entry to a 'MENU'
// resource; no cut of a view's bytes decodes.
TEST(ResourceSourceTest, ViewsAndMenuEntriesBecomeDataResources) {
  const std::string text =
      "menu 0x182904 0x182900 \"Preferences...\"\n"
      "view 250 0x182901 0,0,300,100 \"Title\"\n"
      "  static 0 10,10,90,30 \"Label:\"\n"
      "  panel 0x20 10,40,290,90 \"Group\"\n"
      "    list 0x21 20,50,280,70 \"Off\" \"On\"\n"
      "    button ok 20,70,80,88 \"OK\"\n"
      "  end\n"
      "  field 0x22 100,10,290,30 \"\\u{E9}\"\n"
      "end\n";
  PlugInResources r;
  std::string error;
  ASSERT_TRUE(ParseText(text, &r, &error)) << error;
  ASSERT_EQ(r.data.size(), 2u);
  EXPECT_EQ(r.data[0].type, kMenuRsrcType);
  EXPECT_EQ(r.data[0].id, 0x182904u);
  EXPECT_EQ(r.data[0].bytes, std::string("\x00\x29\x18\x00Preferences...", 18));
  EXPECT_EQ(r.data[1].type, kViewRsrcType);
  EXPECT_EQ(r.data[1].id, 250u);

  ViewResource view;
  ASSERT_TRUE(ViewResource::Decode(r.data[1].bytes, &view, &error)) << error;
  EXPECT_EQ(view.viewClass, 0x182901u);
  EXPECT_EQ(view.bounds, PMRect(0, 0, 300, 100));
  EXPECT_EQ(view.title.GetUTF8String(), "Title");
  ASSERT_EQ(view.widgets.size(), 3u);
  const WidgetResource& panel = view.widgets[1];
  EXPECT_EQ(panel.kind, WidgetKind::kPanel);
  ASSERT_EQ(panel.children.size(), 2u);
  EXPECT_EQ(panel.children[0].kind, WidgetKind::kDropDownList);
  EXPECT_EQ(panel.children[0].id, 0x21u);
  EXPECT_EQ(panel.children[0].texts.size(), 2u);
  EXPECT_EQ(panel.children[1].id, kOKButtonWidgetID);
  EXPECT_EQ(view.widgets[2].texts[0].GetUTF8String(), "\xC3\xA9");

  const std::string& bytes = r.data[1].bytes;
  for (size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(ViewResource::Decode(bytes.substr(0, size), &view, &error)) << size;
  }
  EXPECT_FALSE(ViewResource::Decode(bytes + '\0', &view, &error));
  EXPECT_EQ(error, "bytes follow the view");
}

TEST(ResourceSourceTest, FilesTogetherMustNameThePlugInOnceAndRepeatNothing) {
  PlugInResources r;
  std::string error;
  ASSERT_TRUE(ResourceSource::Parse("strings\n k \"a\"\nend\n", "first.vrc", &r, &error));
  EXPECT_FALSE(ResourceSource::Parse("strings\n k \"b\"\nend\n", "second.vrc", &r, &error));
  EXPECT_EQ(error, "second.vrc:2: string key k is defined twice");

  PlugInResources unnamed;
  EXPECT_FALSE(ResourceSource::CompileFiles({}, &unnamed, &error));
  EXPECT_EQ(error, "no source names the plug-in (plugin ID \"name\")");
  EXPECT_FALSE(ResourceSource::CompileFiles({"/nonexistent/x.vrc"}, &unnamed, &error));
  EXPECT_EQ(error, "/nonexistent/x.vrc: cannot be read");

  TempFolder folder;
  std::ofstream(folder.File("p.vrc"))
      << "plugin 1 \"p\"\nclass 0x20\n 1 2\nend\n"
         "scripting\n property a id ABCD type real on document provider 0x20\nend\n";
  PlugInResources withProperty;
  EXPECT_FALSE(ResourceSource::CompileFiles({folder.File("p.vrc")}, &withProperty, &error));
  EXPECT_EQ(error,
            "scripting property a: its provider class 0x20 is not defined with IScriptProvider "
            "(0x700802)");
}

TEST(ResourceSourceTest, DataResourcesTakeTheBytesOfAFileBesideTheSource) {
  TempFolder folder;
  const std::string bytes("BM\0\x01\xFF", 5);
  std::ofstream(folder.File("icon.bmp"), std::ios::binary) << bytes;
  std::ofstream(folder.File("a.vrc")) << "plugin 1 \"p\"\ndata ICON 20000 \"icon.bmp\"\n";
  std::ofstream(folder.File("b.vrc")) << "data ICON 20000 \"icon.bmp\"\n";
  std::ofstream(folder.File("c.vrc")) << "data BITM 20712 \"missing.bmp\"\n";

  PlugInResources r;
  std::string error;
  ASSERT_TRUE(ResourceSource::CompileFiles({folder.File("a.vrc")}, &r, &error)) << error;
  ASSERT_EQ(r.data.size(), 1u);
  EXPECT_EQ(r.data[0].type, 0x49434F4Eu);  // 'ICON'
  EXPECT_EQ(r.data[0].id, 20000u);
  EXPECT_EQ(r.data[0].bytes, bytes);

  EXPECT_FALSE(ResourceSource::CompileFiles({folder.File("b.vrc")}, &r, &error));
  EXPECT_EQ(error, folder.File("b.vrc") + ":1: data resource ICON 20000 is defined twice");
  PlugInResources fresh;
  EXPECT_FALSE(ResourceSource::CompileFiles({folder.File("c.vrc")}, &fresh, &error));
  EXPECT_EQ(error, folder.File("c.vrc") + ":1: cannot read " + folder.File("missing.bmp"));
}

}  // namespace
