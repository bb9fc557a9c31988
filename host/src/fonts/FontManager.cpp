#include "FontManager.h"

#include <new>

#include "HostIDs.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

bool SameName(const PMString& a, const PMString& b) {
  return a.Compare(kFalse, b) == 0;
}

// The letters whose share a font must hold to serve a script.
constexpr char kLatinLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool Covers(const FreeTypeFont& font, int32 scripts, PMReal coverage) {
  if ((scripts & IFontMgr::kLatinScript) == 0) return true;
  const int32 letters = sizeof kLatinLetters - 1;
  int32 held = 0;
  for (int32 i = 0; i < letters; ++i) held += font.HasChar(kLatinLetters[i]) ? 1 : 0;
  return held >= coverage * letters;
}

// The family names fontconfig holds to be the name itself or a family with the same measures:
// those its rules bind strongly. Weakly bound ones are mere fallbacks of the generic family.
std::vector<std::string> FamiliesServing(FcPattern* substituted) {
  std::vector<std::string> families;
  FcValue value;
  FcValueBinding binding;
  for (int id = 0;
       FcPatternGetWithBinding(substituted, FC_FAMILY, id, &value, &binding) == FcResultMatch;
       ++id) {
    if (value.type == FcTypeString && binding != FcValueBindingWeak) {
      families.emplace_back(reinterpret_cast<const char*>(value.u.s));
    }
  }
  return families;
}

bool ServesName(FcPattern* match, const std::vector<std::string>& families) {
  FcChar8* family = nullptr;
  for (int id = 0; FcPatternGetString(match, FC_FAMILY, id, &family) == FcResultMatch; ++id) {
    for (const std::string& serving : families) {
      if (FcStrCmpIgnoreCase(family, reinterpret_cast<const FcChar8*>(serving.c_str())) == 0) {
        return true;
      }
    }
  }
  return false;
}

class FontInstance final : public CountedObject<IFontInstance> {
 public:
  FontInstance(const FreeTypeFont* font, const PMMatrix& matrix)
      : fFont(font), fXScale(std::abs(matrix.GetXScale())), fYScale(std::abs(matrix.GetYScale())) {
    fFont->AddRef();
  }
  ~FontInstance() override { fFont->Release(); }

  void MeasureWText(const textchar* text, int32 count, PMReal* width,
                    int32* missing) const override {
    const PMReal ems = fFont->LayOut(text, count, nullptr, missing);
    if (width) *width = ems * fXScale;
  }
  PMReal GetAscent() const override { return fFont->Ascender() * fYScale; }
  PMReal GetDescent() const override { return fFont->Descender() * fYScale; }

 private:
  const FreeTypeFont* fFont;
  PMReal fXScale, fYScale;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<FontManager>(kFontManagerImpl));
  model.AddIn(kSessionBoss, {{IID_IFONTMGR, kFontManagerImpl}});
});

}  // namespace

FontManager::FontManager(IPMUnknown* boss) : CPMUnknown(boss) {
  if (FT_Init_FreeType(&fLibrary) != 0) fLibrary = nullptr;
}

FontManager::~FontManager() {
  for (const auto& entry : fOpened) {
    if (entry.second) entry.second->Release();
  }
  if (fConfig) FcConfigDestroy(fConfig);
  if (fLibrary) FT_Done_FreeType(fLibrary);
}

FontManager* FontManager::OfSession() {
  InterfacePtr<IFontMgr> manager(GetExecutionContextSession(), IID_IFONTMGR);
  return static_cast<FontManager*>(manager.get());  // the session keeps it alive
}

FcConfig* FontManager::Config() const {
  if (!fConfig) fConfig = FcInitLoadConfigAndFonts();
  return fConfig;
}

void FontManager::Hide(const PMString& name) {
  fHidden.push_back(name);
}

bool FontManager::AddFontFile(const PMString& name, const std::string& path, std::string* error) {
  FreeTypeFont* font = FreeTypeFont::Open(fLibrary, path, 0, name);
  if (!font) {
    if (error) *error = "cannot read an outline font from " + path;
    return false;
  }
  font->Release();
  fAdded.insert(fAdded.begin(), {name, path});
  for (const auto& entry : fOpened) {
    if (entry.second) entry.second->Release();
  }
  fOpened.clear();
  return true;
}

FreeTypeFont* FontManager::OpenInstalled(const PMString& name, const PMString& style) const {
  FcConfig* config = Config();
  FcPattern* pattern = config ? FcPatternCreate() : nullptr;
  if (!pattern) return nullptr;
  FcPatternAddString(pattern, FC_FAMILY,
                     reinterpret_cast<const FcChar8*>(name.GetUTF8String().c_str()));
  if (!style.IsEmpty()) {
    FcPatternAddString(pattern, FC_STYLE,
                       reinterpret_cast<const FcChar8*>(style.GetUTF8String().c_str()));
  }
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FreeTypeFont* font = nullptr;
  FcChar8* file = nullptr;
  int index = 0;
  if (match && ServesName(match, FamiliesServing(pattern)) &&
      FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    font = FreeTypeFont::Open(fLibrary, reinterpret_cast<const char*>(file), index, name);
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return font;
}

IPMFont* FontManager::QueryFont(const PMString& name, const PMString& style, int32 scripts,
                                PMReal coverage, PMString* familyFound) const {
  if (!fLibrary || name.IsEmpty()) return nullptr;
  for (const PMString& hidden : fHidden) {
    if (SameName(hidden, name)) return nullptr;
  }
  FreeTypeFont* font = Open(name, style);
  if (!font || !Covers(*font, scripts, coverage)) return nullptr;
  if (familyFound) *familyFound = font->FamilyName();
  font->AddRef();
  return font;
}

FreeTypeFont* FontManager::Open(const PMString& name, const PMString& style) const {
  // A name that finds nothing is remembered too.
  const auto [entry, isNew] = fOpened.try_emplace(std::make_pair(name, style), nullptr);
  if (!isNew) return entry->second;
  FreeTypeFont*& font = entry->second;
  for (const auto& [added, path] : fAdded) {
    if (SameName(added, name)) {
      font = FreeTypeFont::Open(fLibrary, path, 0, name);
      break;
    }
  }
  if (!font) font = OpenInstalled(name, style);
  return font;
}

IFontInstance* FontManager::QueryFontInstance(IPMFont* font, const PMMatrix& matrix,
                                              ErrorCode* error) const {
  // Only this manager's fonts come here; the interface is the host's own.
  auto* face = static_cast<FreeTypeFont*>(font);
  IFontInstance* instance =
      face && matrix.IsInvertible() ? new (std::nothrow) FontInstance(face, matrix) : nullptr;
  if (error) *error = instance ? kSuccess : kFailure;
  return instance;
}

PMString FontManager::GetDefaultFontName() const {
  PMString name("Times");
  name.SetTranslatable(kFalse);
  return name;
}
