// Session commands that place and draw page items: transform, render, draw, painted-bounds and
// fonts.
#include "DrawingFlags.h"
#include "IHierarchy.h"
#include "ISpreadList.h"
#include "InterfacePtr.h"
#include "RecordingPort.h"
#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "SessionValues.h"
#include "database/Database.h"
#include "document/LayoutCommands.h"
#include "drawing/ItemAdornments.h"
#include "drawing/SpreadPicture.h"
#include "fonts/FontManager.h"

namespace {

constexpr PMReal kLargestZoom = 64;

PMReal Zoom(const SessionCall& call) {
  const std::string* text = call.Option("zoom");
  const PMReal zoom = text ? ParseReal(*text, "zoom") : 1;
  if (!(zoom > 0 && zoom <= kLargestZoom)) {
    throw ScriptError("zoom must be above 0 and at most 64, not " + *text);
  }
  return zoom;
}

// Decimal, or hexadecimal after 0x; 32 bits.
int32 ParseFlags(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  size_t used = 0;
  unsigned long long value = 0;
  const bool plain =
      !digits.empty() && digits.size() <= 10 &&
      digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") == std::string::npos;
  if (plain) value = std::stoull(digits, &used, hex ? 16 : 10);
  if (!plain || value > 0xFFFFFFFFull) {
    throw ScriptError("flags must be a 32-bit number (decimal or 0x…), not " + text);
  }
  return static_cast<int32>(static_cast<uint32>(value));
}

void Transform(ScriptSession& session, const SessionCall& call) {
  const std::string& name = call.Arg(0);
  const UIDRef item = session.FindItem(name);
  const std::vector<double> n = ParseNumbers(call.Arg(1), 6);
  if (n.empty()) throw ScriptError("a matrix is six numbers A,B,C,D,TX,TY, not " + call.Arg(1));
  const PMMatrix matrix(n[0], n[1], n[2], n[3], n[4], n[5]);
  if (!matrix.IsInvertible()) throw ScriptError("the matrix " + call.Arg(1) + " has no inverse");
  if (LayoutCommands::SetItemTransform(item, matrix) != kSuccess) {
    throw SessionFailure("the host could not transform " + name);
  }
}

void Render(ScriptSession& session, const SessionCall& call) {
  const std::string& path = call.Arg(0);
  if (call.ArgCount() == 2 && call.Arg(1) != "print") {
    throw ScriptError("render: the word after the path can only be print, not " + call.Arg(1));
  }
  if (!SpreadPicture::HasPictureExtension(path)) {
    throw ScriptError("render: " + path + " must end in .png, .svg or .pdf");
  }
  Database& db = session.CurrentDocument();
  InterfacePtr<ISpreadList> spreads(&db, db.GetRootUID(), IID_ISPREADLIST);
  const std::string* spread = call.Option("spread");
  const int32 number = spread ? ParseCount(*spread, "spread", spreads->GetSpreadCount()) : 1;
  const int32 flags = call.ArgCount() == 2 ? kDrawForPrint : kDrawFrameEdges;
  std::string error;
  if (!SpreadPicture::Render(&db, spreads->GetNthSpreadUID(number - 1), Zoom(call), flags, path,
                             &error)) {
    throw SessionFailure(error);
  }
}

void Draw(ScriptSession& session, const SessionCall& call) {
  InterfacePtr<IHierarchy> item(session.FindItem(call.Arg(0)), IID_IHIERARCHY);
  const std::string* flags = call.Option("flags");
  RecordingPort port;
  DrawingContext context(&port, Zoom(call), PMPoint(0, 0));
  GraphicsData graphicsData(&context);
  ItemAdornments::Draw(item, kAfterItemDrawOrder, &graphicsData,
                       flags ? ParseFlags(*flags) : kDrawFrameEdges);
  for (const std::string& line : port.Lines()) session.Out() << line << '\n';
}

void PaintedBounds(ScriptSession& session, const SessionCall& call) {
  InterfacePtr<IHierarchy> item(session.FindItem(call.Arg(0)), IID_IHIERARCHY);
  const PMRect r = ItemAdornments::PaintedBounds(item, false);
  session.Out() << "painted-bounds " << ScriptWordText(call.Arg(0)) << ' ' << FourDecimals(r.Left())
                << ',' << FourDecimals(r.Top()) << ',' << FourDecimals(r.Right()) << ','
                << FourDecimals(r.Bottom()) << '\n';
}

void Fonts(ScriptSession&, const SessionCall& call) {
  FontManager* fonts = FontManager::OfSession();
  const std::string& action = call.Arg(0);
  if (!fonts) throw SessionFailure("the session has no font manager");
  if (action == "without" && call.ArgCount() == 2) {
    fonts->Hide(ToPMString(call.Arg(1)));
  } else if (action == "add" && call.ArgCount() == 3) {
    std::string error;
    if (!fonts->AddFontFile(ToPMString(call.Arg(1)), call.Arg(2), &error)) {
      throw SessionFailure(error);
    }
  } else {
    throw ScriptError("usage: fonts without NAME, or fonts add NAME FILE");
  }
}

SessionCommandRegistrar gCommands({
    {"transform NAME A,B,C,D,TX,TY", Transform},
    {"render PATH [print] [spread=N] [zoom=Z]", Render},
    {"draw NAME [zoom=Z] [flags=F]", Draw},
    {"painted-bounds NAME", PaintedBounds},
    {"fonts ACTION NAME [FILE]", Fonts},
});

}  // namespace
