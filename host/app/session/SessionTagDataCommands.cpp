// Session commands on the plug-in's tag data, reached as another plug-in reaches it: through its
// public interfaces and its set-data command's class.
//
//   tagdata NAME                      prints NAME's record list and key field 1 and number
//   set-tagdata NAME HEX [key1=S]     sets NAME's record list through the set-data command
//   doc-tagdata                       prints the current document's own record list
#include "CmdUtils.h"
#include "IDocument.h"
#include "ISession.h"
#include "ISessionMemoryService.h"
#include "IVantelleDocPrefs.h"
#include "IVantelleFrameTagData.h"
#include "InterfacePtr.h"
#include "ScriptSession.h"
#include "SessionBlock.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "SessionValues.h"
#include "VantelleCommandIDs.h"
#include "database/Database.h"

namespace {

InterfacePtr<ISessionMemoryService> QueryMemory() {
  InterfacePtr<ISessionMemoryService> memory(GetExecutionContextSession(),
                                             ISessionMemoryService::kDefaultIID);
  if (!memory) throw SessionFailure("the host has no memory service");
  return memory;
}

// The block's bytes as uppercase hex; "-" for no block.
std::string BlockHex(const void* block) {
  return block ? HexText(block, QueryMemory()->BlockSize(block)) : "-";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A new block of the bytes that hex digits name (blanks between them ignored); null for "-".
void* ParseHexBlock(const std::string& text) {
  if (text == "-") return nullptr;
  std::string digits;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if (HexDigit(c) < 0) throw ScriptError("not a hex digit in the record list: " + text);
    digits.push_back(c);
  }
  if (digits.size() % 2 != 0) throw ScriptError("odd number of hex digits: " + text);
  void* block = QueryMemory()->Allocate(static_cast<uint32>(digits.size() / 2));
  if (!block) throw SessionFailure("the host has no memory for the record list");
  auto* bytes = static_cast<uint8*>(block);
  for (size_t i = 0; i < digits.size(); i += 2)
    bytes[i / 2] = static_cast<uint8>(HexDigit(digits[i]) << 4 | HexDigit(digits[i + 1]));
  return block;
}

InterfacePtr<IVantelleFrameTagData> QueryTagData(ScriptSession& session, const std::string& name) {
  InterfacePtr<IVantelleFrameTagData> data(session.FindItem(name));
  if (!data) throw ScriptError(name + " has no tag data");
  return data;
}

void TagData(ScriptSession& session, const SessionCall& call) {
  const std::string& name = call.Arg(0);
  InterfacePtr<IVantelleFrameTagData> data = QueryTagData(session, name);
  session.Out() << "tagdata " << ScriptWordText(name) << ' ' << BlockHex(data->GetRecordList())
                << " key1=" << JsonQuote(data->GetKeyField1().GetUTF16())
                << " number=" << data->GetTagNumber() << '\n';
}

void SetTagData(ScriptSession& session, const SessionCall& call) {
  const UIDRef item = session.FindItem(call.Arg(0));
  SessionBlock list(ParseHexBlock(call.Arg(1)));
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kVantelleFrameTagSetDataCmdBoss));
  InterfacePtr<IVantelleFrameTagData> data(command, IVantelleFrameTagData::kDefaultIID);
  if (!command || !data) throw SessionFailure("the plug-in's set-data command is not loaded");
  const std::string* key1 = call.Option("key1");
  data->SetKeyField1(key1 ? ToPMString(*key1) : PMString());
  data->SetRecordList(list.release());
  command->SetItemList(UIDList(item));
  session.Out() << "result=" << CmdUtils::ProcessCommand(command) << '\n';
}

void DocTagData(ScriptSession& session, const SessionCall&) {
  IDataBase* db = &session.CurrentDocument();
  InterfacePtr<IDocument> document(db, db->GetRootUID(), IDocument::kDefaultIID);
  InterfacePtr<IVantelleDocPrefs> prefs(document ? document->GetWorkspaceRef() : UIDRef());
  if (!prefs) throw SessionFailure("the document has no tag data preferences");
  SessionBlock list(prefs->GetTagData());
  session.Out() << "doc-tagdata " << BlockHex(list.get()) << '\n';
}

SessionCommandRegistrar gCommands({
    {"tagdata NAME", TagData},
    {"set-tagdata NAME HEX [key1=S]", SetTagData},
    {"doc-tagdata", DocTagData},
});

}  // namespace
