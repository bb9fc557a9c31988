// Session commands on the look of page items and on the document's swatches and text options:
// look, swatches and quotes.

#include "CmdUtils.h"
#include "IBoolData.h"
#include "IDataBase.h"
#include "IDocument.h"
#include "IGraphicAttributes.h"
#include "IPageItemAdornmentList.h"
#include "ISwatch.h"
#include "ISwatchList.h"
#include "ITextOptions.h"
#include "IUIDData.h"
#include "InterfacePtr.h"
#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "database/Database.h"

namespace {

// The swatch's name as a JSON string, or - for no swatch (UID 0, or one the document lacks).
std::string SwatchName(IDataBase* db, UID uid) {
  InterfacePtr<ISwatch> swatch(db, uid, IID_ISWATCH);
  return swatch ? JsonQuote(swatch->GetName().GetUTF16()) : "-";
}

void Look(ScriptSession& session, const SessionCall& call) {
  const std::string& name = call.Arg(0);
  const UIDRef item = session.FindItem(name);
  InterfacePtr<IGraphicAttributes> look(item, IID_IGRAPHICATTRIBUTES);
  InterfacePtr<IPageItemAdornmentList> adornments(item, IID_IPAGEITEMADORNMENTLIST);
  if (!look || !adornments) throw SessionFailure(name + " has no look");
  IDataBase* db = item.GetDataBase();
  std::ostream& out = session.Out();
  out << "look " << ScriptWordText(name) << " fill=" << SwatchName(db, look->GetFillSwatch())
      << " fill-tint=" << ShortestNumber(look->GetFillTint())
      << " stroke=" << SwatchName(db, look->GetStrokeSwatch())
      << " stroke-tint=" << ShortestNumber(look->GetStrokeTint())
      << " stroke-weight=" << ShortestNumber(look->GetStrokeWeight())
      << " class-attribute=" << HexID(look->GetClassAttribute())
      << " switch-attribute=" << look->GetSwitchAttribute()
      << " nonprinting=" << (look->GetNonPrinting() ? 1 : 0)
      << " opacity=" << ShortestNumber(look->GetOpacity()) << " adornments=";
  if (adornments->GetAdornmentCount() == 0) out << '-';
  for (int32 i = 0; i < adornments->GetAdornmentCount(); ++i) {
    out << (i ? "," : "") << HexID(adornments->GetNthAdornment(i));
  }
  out << '\n';
}

UIDRef WorkspaceOf(Database& db) {
  InterfacePtr<IDocument> document(&db, db.GetRootUID(), IID_IDOCUMENT);
  if (!document) throw SessionFailure("the document has no workspace");
  return document->GetWorkspaceRef();
}

void Swatches(ScriptSession& session, const SessionCall&) {
  Database& db = session.CurrentDocument();
  InterfacePtr<ISwatchList> list(WorkspaceOf(db), IID_ISWATCHLIST);
  for (int32 i = 0; list && i < list->GetSwatchCount(); ++i) {
    InterfacePtr<ISwatch> swatch(&db, list->GetNthSwatchUID(i), IID_ISWATCH);
    if (!swatch) continue;
    session.Out() << "swatch " << JsonQuote(swatch->GetName().GetUTF16());
    if (swatch->IsProcessColor()) {
      const ProcessColor c = swatch->GetProcessColor();
      session.Out() << " c=" << ShortestNumber(c.cyan) << " m=" << ShortestNumber(c.magenta)
                    << " y=" << ShortestNumber(c.yellow) << " k=" << ShortestNumber(c.black);
    }
    session.Out() << '\n';
  }
}

// Sets the workspace's typographer's quotes through the host's command, as a plug-in would.
void Quotes(ScriptSession& session, const SessionCall& call) {
  const std::string& state = call.Arg(0);
  if (state != "on" && state != "off") throw ScriptError("quotes takes on or off, not " + state);
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kSetTypographersQuotesCmdBoss));
  InterfacePtr<IUIDData> target(command.get(), IUIDData::kDefaultIID);
  InterfacePtr<IBoolData> value(command.get(), IBoolData::kDefaultIID);
  if (!target || !value) throw SessionFailure("the host cannot set typographer's quotes");
  target->Set(WorkspaceOf(session.CurrentDocument()));
  value->Set(state == "on" ? kTrue : kFalse);
  if (CmdUtils::ProcessCommand(command) != kSuccess) {
    throw SessionFailure("the host could not set typographer's quotes");
  }
}

SessionCommandRegistrar gCommands({
    {"look NAME", Look},
    {"swatches", Swatches},
    {"quotes STATE", Quotes},
});

}  // namespace
