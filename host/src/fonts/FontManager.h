// The session's font manager: fonts found through fontconfig and opened with FreeType. Its state
// (the FreeType library, the fontconfig configuration, the fonts a session added or hid) belongs
// to the session object that holds it.
#pragma once

#include <fontconfig/fontconfig.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CPMUnknown.h"
#include "FreeTypeFont.h"
#include "IFontMgr.h"

class FontManager : public CPMUnknown<IFontMgr> {
 public:
  explicit FontManager(IPMUnknown* boss);
  ~FontManager() override;
  FontManager(const FontManager&) = delete;
  FontManager& operator=(const FontManager&) = delete;

  IPMFont* QueryFont(const PMString& name, const PMString& style, int32 scripts, PMReal coverage,
                     PMString* familyFound) const override;
  IFontInstance* QueryFontInstance(IPMFont* font, const PMMatrix& matrix,
                                   ErrorCode* error) const override;
  PMString GetDefaultFontName() const override;

  // The font manager of the running session, or null.
  static FontManager* OfSession();
  // From now on no font answers to the name (the comparison ignores ASCII case).
  void Hide(const PMString& name);
  // From now on the name finds the first face of the font file, before any installed font; false
  // with a message when the file holds no outline font.
  bool AddFontFile(const PMString& name, const std::string& path, std::string* error);

 private:
  // The font of the name, from the fonts found so far or found now (with a reference held by
  // the manager), or null.
  FreeTypeFont* Find(const PMString& name, const PMString& style) const;
  FreeTypeFont* OpenAdded(const std::string& path, const PMString& name) const;
  FreeTypeFont* OpenInstalled(const PMString& name, const PMString& style) const;
  FcConfig* Config() const;

  FT_Library fLibrary = nullptr;
  mutable FcConfig* fConfig = nullptr;  // loaded at the first lookup
  std::vector<PMString> fHidden;
  std::vector<std::pair<PMString, std::string>> fAdded;
  // The fonts found so far by name and style, each with one reference held: finding and opening
  // a font costs far more than drawing with it. A name that found nothing is looked up again.
  mutable std::map<std::pair<PMString, PMString>, FreeTypeFont*> fOpened;
};
