#include "FontManager.h"

#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "HostIDs.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "app/Host.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"
#include "platform/EnvFiles.h"

namespace {

// The largest font file a session reads.
constexpr uint64 kLargestFontFile = 64 << 20;

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
typedef std::unique_ptr<FcPattern, PatternDeleter> Pattern;

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
  for (const auto& entry : fOpened) entry.second->Release();
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
  InterfacePtr<IPMFont> font(static_cast<IPMFont*>(OpenAdded(path, name)));
  if (!font) {
    if (error) *error = "cannot read an outline font from " + path;
    return false;
  }
  fAdded.insert(fAdded.begin(), {name, path});
  for (const auto& entry : fOpened) entry.second->Release();
  fOpened.clear();
  return true;
}

FreeTypeFont* FontManager::OpenAdded(const std::string& path, const PMString& name) const {
  std::vector<uint8> bytes;
  if (!ReadWholeFile(Host::CurrentEnv(), path, kLargestFontFile, &bytes, nullptr)) return nullptr;
  return FreeTypeFont::OpenBytes(fLibrary, std::move(bytes), name);
}

FreeTypeFont* FontManager::OpenInstalled(const PMString& name, const PMString& style) const {
  FcConfig* config = Config();
  Pattern pattern(config ? FcPatternCreate() : nullptr);
  if (!pattern) return nullptr;
  FcPatternAddString(pattern.get(), FC_FAMILY,
                     reinterpret_cast<const FcChar8*>(name.GetUTF8String().c_str()));
  if (!style.IsEmpty()) {
    FcPatternAddString(pattern.get(), FC_STYLE,
                       reinterpret_cast<const FcChar8*>(style.GetUTF8String().c_str()));
  }
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(config, pattern.get(), &result));
  FcChar8* file = nullptr;
  int index = 0;
  if (!match || !ServesName(match.get(), FamiliesServing(pattern.get())) ||
      FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
    return nullptr;
  }
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
  return FreeTypeFont::Open(fLibrary, reinterpret_cast<const char*>(file), index, name);
}

IPMFont* FontManager::QueryFont(const PMString& name, const PMString& style, int32 scripts,
                                PMReal coverage, PMString* familyFound) const {
  if (!fLibrary || name.IsEmpty()) return nullptr;
  for (const PMString& hidden : fHidden) {
    if (SameName(hidden, name)) return nullptr;
  }
  FreeTypeFont* font = Find(name, style);
  if (!font || !Covers(*font, scripts, coverage)) return nullptr;
  if (familyFound) *familyFound = font->FamilyName();
  font->AddRef();
  return font;
}

FreeTypeFont* FontManager::Find(const PMString& name, const PMString& style) const {
  const auto key = std::make_pair(name, style);
  auto found = fOpened.find(key);
  if (found != fOpened.end()) return found->second;
  InterfacePtr<IPMFont> font;
  for (const auto& [added, path] : fAdded) {
    if (SameName(added, name)) {
      font.reset(OpenAdded(path, name));
      break;
    }
  }
  if (!font) font.reset(OpenInstalled(name, style));
  if (font) fOpened.emplace(key, static_cast<FreeTypeFont*>(font.get()));
  return static_cast<FreeTypeFont*>(font.forget());
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
