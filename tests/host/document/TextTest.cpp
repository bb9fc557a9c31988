#include <boost/make_shared.hpp>

#include "CmdUtils.h"
#include "ITextModelCmds.h"
#include "TextIterator.h"
#include "support/DocumentTest.h"
#include "support/HostTest.h"

namespace {

class TextTest : public DocumentTest<HostTest> {
 protected:
  // The whole story, final character included, as UTF-8.
  static std::string Text(ITextModel* story) {
    WideString text;
    story->CopyRange(0, story->TotalLength(), text);
    return text.GetUTF8String();
  }
  static boost::shared_ptr<WideString> Shared(const char* utf8) {
    auto text = boost::make_shared<WideString>();
    text->SetUTF8String(utf8);
    return text;
  }
};

TEST_F(TextTest, AStoryEndsInItsFinalCharacterWhichTheLengthCounts) {
  InterfacePtr<ITextModel> empty = Story(TextFrame(Page(0), "E"));
  InterfacePtr<ITextModel> hello = Story(TextFrame(Page(0), "H", "Hello"));
  ASSERT_TRUE(empty && hello);
  EXPECT_EQ(empty->TotalLength(), 1);
  EXPECT_EQ(Text(empty), "\r");
  EXPECT_EQ(hello->TotalLength(), 6);
  EXPECT_EQ(Text(hello), "Hello\r");
  EXPECT_EQ(::GetDataBase(hello.get()), DB());
  EXPECT_EQ(DB()->GetClass(::GetUID(hello.get())), kTextStoryBoss);
  EXPECT_FALSE(Story(GraphicFrame(Page(0), "G")));

  // The model keeps its final character whatever its callers ask, not only its commands.
  hello->Delete(2, 100);
  EXPECT_EQ(Text(hello), "He\r");
  hello->Insert(100, WideString(std::u16string(u"!")));
  EXPECT_EQ(Text(hello), "He!\r");
  hello->Delete(0, hello->TotalLength());
  EXPECT_EQ(Text(hello), "\r");
}

TEST_F(TextTest, EditCommandsAreMadeOnlyForRangesBeforeTheFinalCharacter) {
  InterfacePtr<ITextModel> story = Story(TextFrame(Page(0), "T", "abc"));  // length 4
  InterfacePtr<ITextModelCmds> cmds(story.get(), IID_ITEXTMODELCMDS);
  ASSERT_TRUE(cmds);
  struct Delete {
    int32 start, length;
    bool made;
  } deletes[] = {{0, 3, true},  {2, 1, true},   {3, 0, true},  {0, 4, false},
                 {3, 1, false}, {-1, 1, false}, {4, 0, false}, {1, -1, false}};
  for (const Delete& d : deletes) {
    InterfacePtr<ICommand> command(cmds->DeleteCmd(d.start, d.length, nullptr));
    EXPECT_EQ(command != nullptr, d.made) << d.start << "," << d.length;
  }
  struct Insert {
    int32 position;
    bool made;
  } inserts[] = {{0, true}, {3, true}, {4, false}, {-1, false}};
  for (const Insert& i : inserts) {
    InterfacePtr<ICommand> command(cmds->InsertCmd(i.position, Shared("x"), nullptr));
    EXPECT_EQ(command != nullptr, i.made) << i.position;
  }
  InterfacePtr<ICommand> noText(cmds->InsertCmd(0, boost::shared_ptr<WideString>(), nullptr));
  EXPECT_FALSE(noText);
}

TEST_F(TextTest, ACommandWhoseRangeNoLongerFitsFailsAndChangesNothing) {
  InterfacePtr<ITextModel> story = Story(TextFrame(Page(0), "T", "abcdef"));
  InterfacePtr<ITextModelCmds> cmds(story.get(), IID_ITEXTMODELCMDS);
  InterfacePtr<ICommand> late(cmds->DeleteCmd(2, 4, nullptr));
  InterfacePtr<ICommand> lateInsert(cmds->InsertCmd(6, Shared("x"), nullptr));
  InterfacePtr<ICommand> shorten(cmds->DeleteCmd(0, 3, nullptr));
  ASSERT_EQ(CmdUtils::ProcessCommand(shorten), kSuccess);
  EXPECT_EQ(CmdUtils::ProcessCommand(late), kFailure);
  EXPECT_EQ(CmdUtils::ProcessCommand(lateInsert), kFailure);
  EXPECT_EQ(Text(story), "def\r");
  EXPECT_EQ(fDB->GetUndoName(), PMString("Delete Text"));
}

TEST_F(TextTest, TheIteratorJoinsSurrogatePairsAndPassesLoneSurrogatesOn) {
  // "a", U+1F600 as a pair, a lone high surrogate, "b", a lone low surrogate, then the final CR.
  WideString text(std::u16string{u'a', 0xD83D, 0xDE00, 0xD800, u'b', 0xDC00});
  UID frame = LayoutCommands::NewFrame(Ref(Page(0)), PMRect(0, 0, 1, 1), PMString("T"), kTrue, text)
                  .GetUID();
  InterfacePtr<ITextModel> story = Story(frame);
  ASSERT_EQ(story->TotalLength(), 7);

  std::vector<UTF32TextChar> chars;
  std::vector<int32> positions;
  for (TextIterator it(story, 0), end(story, story->TotalLength()); it != end; ++it) {
    chars.push_back(*it);
    positions.push_back(it.Position());
  }
  EXPECT_EQ(chars, (std::vector<UTF32TextChar>{'a', 0x1F600, 0xD800, 'b', 0xDC00, '\r'}));
  EXPECT_EQ(positions, (std::vector<int32>{0, 1, 3, 4, 5, 6}));

  // An end inside the pair: the step over the pair passes it, and < ends the walk.
  int32 steps = 0;
  for (TextIterator it(story, 0), end(story, 2); it < end; ++it) ++steps;
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(*TextIterator(story, 7), 0u);

  WideString read;
  for (TextIterator it(story, 0), end(story, 6); it < end; ++it) read.AppendUTF32TextChar(*it);
  EXPECT_EQ(read.GetUTF16(), (std::u16string{u'a', 0xD83D, 0xDE00, 0xFFFD, u'b', 0xFFFD}));

  // AppendUpTo reads every range as that loop does, here and in a story whose pair straddles the
  // iterator's pieces of 256 units, and stops where the loop stops.
  std::u16string longText(300, u'x');
  longText[255] = 0xD83D, longText[256] = 0xDE00, longText[280] = 0xDC00;
  InterfacePtr<ITextModel> longStory =
      Story(LayoutCommands::NewFrame(Ref(Page(0)), PMRect(0, 0, 1, 1), PMString("L"), kTrue,
                                     WideString(longText))
                .GetUID());
  for (ITextModel* model : {story.get(), longStory.get()}) {
    const int32 length = model->TotalLength();
    for (int32 from = 0; from <= length + 1; from += from < 8 || from > 250 ? 1 : 17) {
      for (int32 to = from; to <= length + 1; to += to < 8 || to > 250 ? 1 : 13) {
        WideString byLoop, byPiece;
        TextIterator loop(model, from), bulk(model, from), end(model, to);
        for (; loop < end; ++loop) byLoop.AppendUTF32TextChar(*loop);
        bulk.AppendUpTo(end, byPiece);
        EXPECT_EQ(byPiece.GetUTF16(), byLoop.GetUTF16()) << from << " to " << to;
        EXPECT_EQ(bulk.Position(), loop.Position()) << from << " to " << to;
      }
    }
  }
}

}  // namespace
