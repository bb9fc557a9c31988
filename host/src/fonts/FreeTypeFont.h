// A font of the font manager: one face of a font file opened with FreeType, with what measuring
// and drawing text need from it. Measures are in ems (the font's design units divided by its
// units per em), unhinted.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_ADVANCES_H

#include <string>
#include <unordered_map>
#include <vector>

#include "IPMFont.h"
#include "objectmodel/CountedObject.h"

class FreeTypeFont final : public CountedObject<IPMFont> {
 public:
  // The face, with one reference, or null when the file cannot be opened as an outline font.
  static FreeTypeFont* Open(FT_Library library, const std::string& path, int32 faceIndex,
                            const PMString& name);
  // The same for the first face of a font file's bytes.
  static FreeTypeFont* OpenBytes(FT_Library library, std::vector<uint8> bytes,
                                 const PMString& name);

  PMString GetFontName() const override { return fName; }

  FT_Face Face() const { return fFace; }
  PMString FamilyName() const;
  PMReal Ascender() const;
  // Positive below the baseline.
  PMReal Descender() const;
  bool16 HasChar(UTF32TextChar c) const { return Glyph(c).index != 0; }

  struct PlacedGlyph {
    uint32 index;
    PMReal x;  // pen position before the glyph, in ems from the run's start
  };
  // The glyphs of a run of UTF-16 code units (a lone surrogate is a missing character) and the
  // run's advance in ems. glyphs and missing may be null.
  PMReal LayOut(const textchar* text, int32 count, std::vector<PlacedGlyph>* glyphs,
                int32* missing) const;

 private:
  FreeTypeFont(FT_Face face, const PMString& name) : fFace(face), fName(name) {}
  // Takes the face over, or closes it when it is no outline font.
  static FreeTypeFont* Adopt(FT_Library library, FT_Face face, const PMString& name);
  ~FreeTypeFont() override;

  struct GlyphInfo {
    uint32 index;
    PMReal advance;  // ems
  };
  GlyphInfo Glyph(UTF32TextChar c) const;

  FT_Face fFace;
  PMString fName;
  mutable std::unordered_map<UTF32TextChar, GlyphInfo> fGlyphs;
};
