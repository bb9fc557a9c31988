#include "ViewResource.h"

#include "persist/MemoryStreams.h"

namespace {

constexpr uint32 kViewFormatVersion = 1;

struct KindInfo {
  WidgetKind kind;
  const char* name;
  ClassID widgetClass;
};

constexpr KindInfo kKinds[] = {
    {WidgetKind::kPanel, "panel", kPanelWidgetBoss},
    {WidgetKind::kStaticText, "static", kStaticTextWidgetBoss},
    {WidgetKind::kTextField, "field", kTextEditBoxWidgetBoss},
    {WidgetKind::kDropDownList, "list", kDropDownListWidgetBoss},
    {WidgetKind::kCheckBox, "check", kCheckBoxWidgetBoss},
    {WidgetKind::kButton, "button", kButtonWidgetBoss},
};

const KindInfo* FindKind(WidgetKind kind) {
  for (const KindInfo& info : kKinds) {
    if (info.kind == kind) return &info;
  }
  return nullptr;
}

// Moves a view to or from a stream: the same code writes and reads. Counts read from the stream
// are not trusted for an allocation: elements are added one at a time while the stream lasts.
class ViewTransfer {
 public:
  explicit ViewTransfer(IPMStream* stream) : fStream(stream), fReading(stream->IsReading()) {}

  void View(ViewResource& view) {
    uint32 version = kViewFormatVersion;
    fStream->XferInt32(version);
    if (version != kViewFormatVersion)
      return Fail("unknown view format " + std::to_string(version));
    fStream->XferInt32(view.viewClass);
    Rect(view.bounds);
    view.title.ReadWrite(fStream);
    Widgets(view.widgets, 0);
  }

  bool Good() const { return fProblem.empty() && !StreamFailed(); }
  std::string Problem() const { return fProblem.empty() ? "the view is cut short" : fProblem; }

 private:
  bool StreamFailed() const { return fStream->GetStreamState() == IPMStream::kStreamStateFailure; }
  void Fail(const std::string& problem) {
    if (fProblem.empty()) fProblem = problem;
  }

  void Rect(PMRect& rect) {
    PMReal left = rect.Left(), top = rect.Top(), right = rect.Right(), bottom = rect.Bottom();
    for (PMReal* edge : {&left, &top, &right, &bottom}) fStream->XferReal(*edge);
    rect = PMRect(left, top, right, bottom);
  }

  template <class T, class Each>
  void List(std::vector<T>& items, Each each) {
    auto count = static_cast<uint32>(items.size());
    fStream->XferInt32(count);
    if (!fReading) {
      for (T& item : items) each(item);
      return;
    }
    items.clear();
    for (uint32 i = 0; i < count && Good(); ++i) {
      items.emplace_back();
      each(items.back());
    }
  }

  void Widgets(std::vector<WidgetResource>& widgets, int depth) {
    List(widgets, [this, depth](WidgetResource& w) { Widget(w, depth); });
  }

  void Widget(WidgetResource& widget, int depth) {
    auto kind = static_cast<uint8>(widget.kind);
    fStream->XferByte(kind);
    widget.kind = static_cast<WidgetKind>(kind);
    fStream->XferInt32(widget.id);
    Rect(widget.bounds);
    List(widget.texts, [this](PMString& text) { text.ReadWrite(fStream); });
    if (!Good()) return;
    const KindInfo* info = FindKind(widget.kind);
    if (!info) return Fail("unknown widget kind " + std::to_string(kind));
    if (widget.kind != WidgetKind::kDropDownList && widget.texts.size() != 1) {
      return Fail(std::string("a ") + info->name + " widget has one text");
    }
    if (widget.kind == WidgetKind::kPanel && depth == ViewResource::kMaxPanelDepth) {
      return Fail("panels are nested too deep");
    }
    Widgets(widget.children, depth + 1);
    if (widget.kind != WidgetKind::kPanel && !widget.children.empty()) {
      Fail(std::string("a ") + info->name + " widget holds no widgets");
    }
  }

  IPMStream* fStream;
  bool fReading;
  std::string fProblem;
};

}  // namespace

std::string ViewResource::Encode() const {
  MemoryWriteStream stream;
  ViewResource copy = *this;  // the transfer's code also serves reading, which changes its view
  ViewTransfer(&stream).View(copy);
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

bool ViewResource::Decode(const std::string& bytes, ViewResource* view, std::string* error) {
  MemoryReadStream stream(reinterpret_cast<const uint8*>(bytes.data()), bytes.size());
  ViewResource read;
  ViewTransfer transfer(&stream);
  transfer.View(read);
  if (!transfer.Good() || stream.Remaining() != 0) {
    *error = transfer.Good() ? "bytes follow the view" : transfer.Problem();
    return false;
  }
  *view = std::move(read);
  return true;
}

const char* WidgetKindName(WidgetKind kind) {
  const KindInfo* info = FindKind(kind);
  return info ? info->name : "unknown";
}

bool WidgetKindFromName(const std::string& name, WidgetKind* kind) {
  for (const KindInfo& info : kKinds) {
    if (name == info.name) {
      *kind = info.kind;
      return true;
    }
  }
  return false;
}

ClassID WidgetKindClass(WidgetKind kind) {
  const KindInfo* info = FindKind(kind);
  return info ? info->widgetClass : kInvalidClass;
}

bool WidgetKindOfClass(ClassID widgetClass, WidgetKind* kind) {
  for (const KindInfo& info : kKinds) {
    if (info.widgetClass == widgetClass) {
      *kind = info.kind;
      return true;
    }
  }
  return false;
}
