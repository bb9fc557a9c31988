#include "ResourceSource.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "PictureSource.h"
#include "RsrcSpec.h"
#include "UnicodeSavvyString.h"
#include "plugins/LoadReport.h"
#include "scripting/HostScriptElements.h"
#include "scripting/ScriptRegistry.h"
#include "ui/Menus.h"
#include "ui/ViewResource.h"

namespace {

bool ReadWholeFile(const std::filesystem::path& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

struct Word {
  std::string text;
  bool quoted;
};

// Splits one line into words; answers false with a reason for a malformed quoted text.
bool SplitLine(const std::string& line, std::vector<Word>* words, std::string* problem) {
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c != '"') {
      size_t start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
             line[i] != '"' && line[i] != '#') {
        ++i;
      }
      words->push_back({line.substr(start, i - start), false});
    } else {
      Word word{std::string(), true};
      for (++i;; ++i) {
        if (i >= line.size()) {
          *problem = "a quoted text is not closed";
          return false;
        }
        if (line[i] == '"') break;
        if (line[i] != '\\') {
          word.text.push_back(line[i]);
          continue;
        }
        if (++i >= line.size()) {
          *problem = "a quoted text ends in a backslash";
          return false;
        }
        switch (line[i]) {
          case '"':
          case '\\':
            word.text.push_back(line[i]);
            break;
          case 'n':
            word.text.push_back('\n');
            break;
          case 'r':
            word.text.push_back('\r');
            break;
          case 't':
            word.text.push_back('\t');
            break;
          case 'u': {
            size_t close = line.find('}', i);
            if (i + 1 >= line.size() || line[i + 1] != '{' || close == std::string::npos ||
                close == i + 2 || close > i + 8) {
              *problem = "\\u must be followed by {HEX}";
              return false;
            }
            std::string hex = line.substr(i + 2, close - i - 2);
            if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
              *problem = "\\u{" + hex + "} is not hexadecimal";
              return false;
            }
            UnicodeSavvyString scalar;
            scalar.AppendUTF32TextChar(static_cast<UTF32TextChar>(std::stoul(hex, nullptr, 16)));
            word.text += scalar.GetUTF8String();
            i = close;
            break;
          }
          default:
            *problem = std::string("unknown escape \\") + line[i];
            return false;
        }
      }
      ++i;
      words->push_back(std::move(word));
    }
  }
  return true;
}

bool ParseNumber(const Word& word, uint32* value) {
  if (word.quoted || word.text.empty()) return false;
  const std::string& t = word.text;
  bool hex = t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X');
  const char* digits = hex ? "0123456789abcdefABCDEF" : "0123456789";
  std::string body = hex ? t.substr(2) : t;
  if (body.empty() || body.find_first_not_of(digits) != std::string::npos) return false;
  if (body.size() > (hex ? 8u : 10u)) return false;
  unsigned long long v = std::stoull(body, nullptr, hex ? 16 : 10);
  if (v > 0xFFFFFFFFull) return false;
  *value = static_cast<uint32>(v);
  return true;
}

// "L,T,R,B": whole points, left before right and top above bottom.
bool ParseBounds(const Word& word, PMRect* bounds) {
  uint32 edges[4];
  std::istringstream parts(word.text);
  std::string part;
  for (uint32& edge : edges) {
    if (!std::getline(parts, part, ',') || !ParseNumber(Word{part, false}, &edge)) return false;
  }
  if (word.quoted || std::getline(parts, part) || edges[0] >= edges[2] || edges[1] >= edges[3]) {
    return false;
  }
  *bounds = PMRect(edges[0], edges[1], edges[2], edges[3]);
  return true;
}

bool ParseWidgetID(const Word& word, WidgetID* id) {
  if (!word.quoted && (word.text == "ok" || word.text == "cancel")) {
    *id = word.text == "ok" ? kOKButtonWidgetID : kCancelButtonWidgetID;
    return true;
  }
  return ParseNumber(word, id);
}

class Parser {
 public:
  Parser(const std::string& sourcePath, PlugInResources* resources)
      : fPath(sourcePath), fOut(resources) {
    for (const ClassResource& c : fOut->classes) fClasses.insert(c.id);
    for (const auto& entry : fOut->strings) fKeys.insert(entry.first);
    for (const DataResource& d : fOut->data) fData.insert({d.type, d.id});
  }

  bool ParseText(const std::string& text, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
      ++fLine;
      std::vector<Word> words;
      std::string problem;
      if (!SplitLine(line, &words, &problem) || (!words.empty() && !Statement(words, &problem))) {
        *error = Where() + problem;
        return false;
      }
    }
    if (fBlock != kNone) {
      *error = fPath + ": the " + BlockName() + " block begun on line " +
               std::to_string(fBlockLine) + " has no \"end\"";
      return false;
    }
    return true;
  }

 private:
  enum Block { kNone, kClassBlock, kAddInBlock, kStringsBlock, kViewBlock, kScriptingBlock };

  std::string Where() const { return fPath + ":" + std::to_string(fLine) + ": "; }
  const char* BlockName() const {
    return fBlock == kClassBlock       ? "class"
           : fBlock == kAddInBlock     ? "addin"
           : fBlock == kViewBlock      ? "view"
           : fBlock == kScriptingBlock ? "scripting"
                                       : "strings";
  }

  bool Statement(const std::vector<Word>& w, std::string* problem) {
    if (!w[0].quoted && w[0].text == "end") {
      if (w.size() != 1 || fBlock == kNone) {
        *problem = fBlock == kNone ? "\"end\" without a block" : "\"end\" stands alone";
        return false;
      }
      if (fBlock == kViewBlock) return EndPanel();
      fBlock = kNone;
      return true;
    }
    switch (fBlock) {
      case kClassBlock:
        return Binding(w, &fOut->classes.back().bindings, problem);
      case kAddInBlock:
        return Binding(w, &fOut->addIns.back().bindings, problem);
      case kStringsBlock:
        return StringEntry(w, problem);
      case kViewBlock:
        return WidgetLine(w, problem);
      case kScriptingBlock:
        return ScriptProperty(w, problem);
      case kNone:
        break;
    }
    const std::string& keyword = w[0].quoted ? std::string() : w[0].text;
    if (keyword == "plugin") return PlugIn(w, problem);
    if (keyword == "class") return Class(w, problem);
    if (keyword == "addin") return AddIn(w, problem);
    if (keyword == "strings") return Begin(w.size() == 1, kStringsBlock, "strings", problem);
    if (keyword == "data" || keyword == "picture") return Data(w, keyword == "picture", problem);
    if (keyword == "menu") return Menu(w, problem);
    if (keyword == "view") return View(w, problem);
    if (keyword == "scripting") return Begin(w.size() == 1, kScriptingBlock, "scripting", problem);
    *problem = "unknown statement \"" + w[0].text + "\"";
    return false;
  }

  bool Begin(bool wellFormed, Block block, const char* usage, std::string* problem) {
    if (!wellFormed) {
      *problem = std::string("expected: ") + usage;
      return false;
    }
    fBlock = block;
    fBlockLine = fLine;
    return true;
  }

  bool PlugIn(const std::vector<Word>& w, std::string* problem) {
    uint32 id = 0;
    if (w.size() != 3 || !ParseNumber(w[1], &id) || !w[2].quoted) {
      *problem = "expected: plugin ID \"name\"";
      return false;
    }
    if (id == 0) {
      *problem = "plug-in ID 0 is the host's own";
      return false;
    }
    if (fOut->pluginID != 0) {
      *problem = "the plug-in is named twice";
      return false;
    }
    fOut->pluginID = id;
    fOut->name = w[2].text;
    return true;
  }

  bool Class(const std::vector<Word>& w, std::string* problem) {
    ClassResource c;
    bool wellFormed = (w.size() == 2 || (w.size() == 4 && !w[2].quoted && w[2].text == "parent")) &&
                      ParseNumber(w[1], &c.id) && (w.size() == 2 || ParseNumber(w[3], &c.parent));
    if (!Begin(wellFormed && c.id != kInvalidClass, kClassBlock, "class ID [parent ID]", problem)) {
      return false;
    }
    if (!fClasses.insert(c.id).second) {
      *problem = "class " + w[1].text + " is defined twice";
      return false;
    }
    fOut->classes.push_back(std::move(c));
    return true;
  }

  bool AddIn(const std::vector<Word>& w, std::string* problem) {
    AddInResource a;
    bool wellFormed = w.size() == 2 && ParseNumber(w[1], &a.id) && a.id != kInvalidClass;
    if (!Begin(wellFormed, kAddInBlock, "addin CLASS", problem)) return false;
    fOut->addIns.push_back(std::move(a));
    return true;
  }

  bool Binding(const std::vector<Word>& w, std::vector<InterfaceBinding>* bindings,
               std::string* problem) {
    InterfaceBinding b{};
    if (w.size() != 2 || !ParseNumber(w[0], &b.interfaceID) ||
        !ParseNumber(w[1], &b.implementation)) {
      *problem = "expected: INTERFACE IMPLEMENTATION, or end";
      return false;
    }
    for (const InterfaceBinding& other : *bindings) {
      if (other.interfaceID == b.interfaceID) {
        *problem = "interface " + w[0].text + " is bound twice";
        return false;
      }
    }
    bindings->push_back(b);
    return true;
  }

  bool StringEntry(const std::vector<Word>& w, std::string* problem) {
    if (w.size() != 2 || !w[1].quoted || w[0].text.empty()) {
      *problem = "expected: KEY \"text\", or end";
      return false;
    }
    if (!fKeys.insert(w[0].text).second) {
      *problem = "string key " + w[0].text + " is defined twice";
      return false;
    }
    fOut->strings.emplace_back(w[0].text, w[1].text);
    return true;
  }

  bool Data(const std::vector<Word>& w, bool picture, std::string* problem) {
    DataResource d;
    if (w.size() != 4 || w[1].quoted || w[1].text.size() != 4 || !ParseNumber(w[2], &d.id) ||
        !w[3].quoted) {
      *problem = "expected: " + w[0].text + " TYPE ID \"file\" (TYPE of four characters)";
      return false;
    }
    for (char c : w[1].text) d.type = (d.type << 8) | static_cast<uint8>(c);
    if (!ClaimData(d.type, d.id, "data resource " + w[1].text + " " + w[2].text, problem)) {
      return false;
    }
    std::filesystem::path file = std::filesystem::path(fPath).parent_path() / w[3].text;
    if (!ReadWholeFile(file, &d.bytes)) {
      *problem = "cannot read " + file.string();
      return false;
    }
    std::string why;
    if (picture && !PictureSource::Compile(std::string(d.bytes), d.type, &d.bytes, &why)) {
      *problem = file.string() + ": " + why;
      return false;
    }
    fOut->data.push_back(std::move(d));
    return true;
  }

  // Claims a data resource's type and number; false, saying so, when they are taken.
  bool ClaimData(uint32 type, uint32 id, const std::string& what, std::string* problem) {
    if (fData.insert({type, id}).second) return true;
    *problem = what + " is defined twice";
    return false;
  }

  static bool Utf8Text(const Word& word, PMString* text, std::string* problem) {
    if (text->SetUTF8String(word.text)) return true;
    *problem = "a text is not UTF-8";
    return false;
  }

  bool Menu(const std::vector<Word>& w, std::string* problem) {
    ActionID action = 0;
    ClassID component = kInvalidClass;
    if (w.size() != 4 || !ParseNumber(w[1], &action) || !ParseNumber(w[2], &component) ||
        !w[3].quoted) {
      *problem = "expected: menu ACTION CLASS \"text\"";
      return false;
    }
    if (!ClaimData(kMenuRsrcType, action, "menu action " + w[1].text, problem)) return false;
    fOut->data.push_back({kMenuRsrcType, action, EncodeMenuEntry(component, w[3].text)});
    return true;
  }

  bool View(const std::vector<Word>& w, std::string* problem) {
    fView = ViewResource();
    bool wellFormed = w.size() == 5 && ParseNumber(w[1], &fViewID) &&
                      ParseNumber(w[2], &fView.viewClass) && ParseBounds(w[3], &fView.bounds) &&
                      w[4].quoted;
    if (!Begin(wellFormed, kViewBlock, "view ID CLASS L,T,R,B \"title\"", problem) ||
        !ClaimData(kViewRsrcType, fViewID, "view " + w[1].text, problem)) {
      return false;
    }
    fPanels.assign(1, &fView.widgets);
    fWidgetLines.clear();
    return Utf8Text(w[4], &fView.title, problem);
  }

  bool WidgetLine(const std::vector<Word>& w, std::string* problem) {
    WidgetResource widget;
    if (w[0].quoted || !WidgetKindFromName(w[0].text, &widget.kind)) {
      *problem = "unknown widget kind \"" + w[0].text + "\"";
      return false;
    }
    const bool list = widget.kind == WidgetKind::kDropDownList;
    bool wellFormed = w.size() >= 3 && ParseWidgetID(w[1], &widget.id) &&
                      ParseBounds(w[2], &widget.bounds) && (list || w.size() == 4);
    for (size_t i = 3; i < w.size(); ++i) wellFormed = wellFormed && w[i].quoted;
    if (!wellFormed) {
      *problem = list ? "expected: list WIDGET L,T,R,B \"item\"..."
                      : "expected: " + w[0].text + " WIDGET L,T,R,B \"text\"";
      return false;
    }
    if (widget.id != kDefaultWidgetId) {
      auto [first, fresh] = fWidgetLines.emplace(widget.id, fLine);
      if (!fresh) {
        *problem = "widget " + w[1].text + " is in the view already (line " +
                   std::to_string(first->second) + ")";
        return false;
      }
    }
    for (size_t i = 3; i < w.size(); ++i) {
      widget.texts.emplace_back();
      if (!Utf8Text(w[i], &widget.texts.back(), problem)) return false;
    }
    fPanels.back()->push_back(std::move(widget));
    if (fPanels.back()->back().kind != WidgetKind::kPanel) return true;
    if (fPanels.size() > ViewResource::kMaxPanelDepth) {
      *problem = "panels nest deeper than " + std::to_string(ViewResource::kMaxPanelDepth);
      return false;
    }
    fPanels.push_back(&fPanels.back()->back().children);
    return true;
  }

  // Ends the innermost panel; the last "end" ends the view, which joins the data resources.
  bool EndPanel() {
    fPanels.pop_back();
    if (!fPanels.empty()) return true;
    fOut->data.push_back({kViewRsrcType, fViewID, fView.Encode()});
    fBlock = kNone;
    return true;
  }

  bool ScriptProperty(const std::vector<Word>& w, std::string* problem) {
    ScriptElement e;
    std::map<std::string, Word> options;
    bool wellFormed = w.size() >= 2 && !w[0].quoted && w[0].text == "property";
    for (size_t i = 2; wellFormed && i < w.size(); ++i) {
      const std::string& key = w[i].text;
      if (key == "read-only" && !e.readOnly) {
        e.readOnly = true;
      } else if ((key == "id" || key == "type" || key == "on" || key == "provider") &&
                 i + 1 < w.size()) {
        wellFormed = options.emplace(key, w[++i]).second;
      } else {
        wellFormed = false;
      }
    }
    if (!wellFormed || options.size() != 4 || !ParseNumber(options.at("provider"), &e.provider) ||
        e.provider == kInvalidClass) {
      *problem =
          "expected: property NAME id ID type TYPE on OBJECT-TYPE[,OBJECT-TYPE...] provider CLASS "
          "[read-only], or end";
      return false;
    }
    e.name = w[1].text;
    const std::string& id = options.at("id").text;
    if (!IsScriptName(e.name)) {
      *problem = e.name + " is no JavaScript name";
      return false;
    }
    if (id.size() != 4 || id.find_first_not_of(kPrintable) != std::string::npos) {
      *problem = "a script ID is four printable characters: " + id;
      return false;
    }
    for (char c : id) e.id = (e.id << 8) | static_cast<uint8>(c);
    if (!FindValueType(options.at("type").text, &e.type, problem) ||
        !ReadObjectTypes(options.at("on").text, &e.objectTypes, problem)) {
      return false;
    }
    // The host's elements and the properties so far: no object may get two of a name or an ID.
    ScriptRegistry registry;
    for (const ScriptElement& other : HostScriptElements()) registry.Add(other);
    for (const ScriptElement& other : fOut->scriptProperties) registry.Add(other);
    *problem = registry.Add(e);
    if (!problem->empty()) return false;
    fOut->scriptProperties.push_back(std::move(e));
    return true;
  }

  static constexpr char kPrintable[] =
      " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
      "abcdefghijklmnopqrstuvwxyz{|}~";

  static bool IsScriptName(const std::string& name) {
    static const char kFirst[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    return !name.empty() && std::strchr(kFirst, name[0]) &&
           name.find_first_not_of(std::string(kFirst) + "0123456789") == std::string::npos;
  }

  static bool FindValueType(const std::string& name, ScriptData::Type* type, std::string* problem) {
    for (const ScriptValueTypeName& t : kScriptValueTypes) {
      if (name == t.name) {
        *type = t.type;
        return true;
      }
    }
    *problem = "unknown value type " + name;
    return false;
  }

  static bool ReadObjectTypes(const std::string& list, std::vector<ScriptID>* types,
                              std::string* problem) {
    std::istringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
      const ScriptObjectTypeName* found = nullptr;
      for (const ScriptObjectTypeName& t : kScriptObjectTypes) {
        if (name == t.name) found = &t;
      }
      if (!found) {
        *problem = "unknown object type " + name;
        return false;
      }
      types->push_back(found->type);
    }
    return true;
  }

  std::string fPath;
  PlugInResources* fOut;
  int fLine = 0;
  Block fBlock = kNone;
  int fBlockLine = 0;
  std::set<ClassID> fClasses;
  std::set<std::string> fKeys;
  std::set<std::pair<uint32, uint32>> fData;
  // The view being read: its number, its widgets so far, the panels open (the view's own widget
  // list first) and the line of each widget ID.
  uint32 fViewID = 0;
  ViewResource fView;
  std::vector<std::vector<WidgetResource>*> fPanels;
  std::map<WidgetID, int> fWidgetLines;
};

}  // namespace

namespace ResourceSource {

bool Parse(const std::string& text, const std::string& sourcePath, PlugInResources* resources,
           std::string* error) {
  return Parser(sourcePath, resources).ParseText(text, error);
}

bool CompileFiles(const std::vector<std::string>& paths, PlugInResources* resources,
                  std::string* error) {
  for (const std::string& path : paths) {
    std::string text;
    if (!ReadWholeFile(path, &text)) {
      *error = path + ": cannot be read";
      return false;
    }
    if (!Parse(text, path, resources, error)) return false;
  }
  if (resources->pluginID == 0) {
    *error = "no source names the plug-in (plugin ID \"name\")";
    return false;
  }
  for (const ScriptElement& property : resources->scriptProperties) {
    bool serves = false;
    for (const ClassResource& c : resources->classes) {
      for (const InterfaceBinding& b : c.bindings) {
        serves = serves || (c.id == property.provider && b.interfaceID == IID_ISCRIPTPROVIDER);
      }
    }
    if (!serves) {
      *error = "scripting property " + property.name + ": its provider class " +
               LoadReport::HexID(property.provider) + " is not defined with IScriptProvider (" +
               LoadReport::HexID(IID_ISCRIPTPROVIDER) + ")";
      return false;
    }
  }
  return true;
}

}  // namespace ResourceSource
