// Session commands on the stories of text frames: type and text.
#include <boost/make_shared.hpp>

#include "CmdUtils.h"
#include "ITextModel.h"
#include "ITextModelCmds.h"
#include "InterfacePtr.h"
#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "SessionValues.h"
#include "text/FrameStory.h"

namespace {

// Inserts the text before the story's final character through the story's insert command.
void Type(ScriptSession& session, const SessionCall& call) {
  const std::string& name = call.Arg(0);
  InterfacePtr<ITextModel> story = FrameStory::Query(session.FindItem(name));
  if (!story) throw ScriptError(name + " has no story");
  InterfacePtr<ITextModelCmds> commands(story.get(), IID_ITEXTMODELCMDS);
  auto text = boost::make_shared<WideString>(ToWideString(call.Arg(1)));
  InterfacePtr<ICommand> insert(
      commands ? commands->InsertCmd(story->TotalLength() - 1, text, nullptr) : nullptr);
  if (!insert || CmdUtils::ProcessCommand(insert) != kSuccess) {
    throw SessionFailure("the host could not insert text into " + name);
  }
}

// Prints the story without its final character.
void Text(ScriptSession& session, const SessionCall& call) {
  const std::string& name = call.Arg(0);
  InterfacePtr<ITextModel> story = FrameStory::Query(session.FindItem(name));
  session.Out() << "text " << ScriptWordText(name) << ' ';
  if (!story) {
    session.Out() << "none\n";
    return;
  }
  WideString text;
  story->CopyRange(0, story->TotalLength() - 1, text);
  session.Out() << JsonQuote(text.GetUTF16()) << '\n';
}

SessionCommandRegistrar gCommands({
    {"type NAME S", Type},
    {"text NAME", Text},
});

}  // namespace
