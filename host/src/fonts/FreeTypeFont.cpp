#include "FreeTypeFont.h"

#include <new>

FreeTypeFont* FreeTypeFont::Open(FT_Library library, const std::string& path, int32 faceIndex,
                                 const PMString& name) {
  FT_Face face = nullptr;
  if (!library || FT_New_Face(library, path.c_str(), faceIndex, &face) != 0) return nullptr;
  return Adopt(library, face, name);
}

FreeTypeFont* FreeTypeFont::OpenBytes(FT_Library library, std::vector<uint8> bytes,
                                      const PMString& name) {
  // The face reads its file from these bytes for as long as it lives, which may be longer than
  // this font (a picture's font cache holds faces too): the face owns them.
  auto* owned = new (std::nothrow) std::vector<uint8>(std::move(bytes));
  FT_Face face = nullptr;
  if (!library || !owned ||
      FT_New_Memory_Face(library, owned->data(), static_cast<FT_Long>(owned->size()), 0, &face) !=
          0) {
    delete owned;
    return nullptr;
  }
  face->generic.data = owned;
  face->generic.finalizer = [](void* object) {
    delete static_cast<std::vector<uint8>*>(static_cast<FT_Face>(object)->generic.data);
  };
  return Adopt(library, face, name);
}

FreeTypeFont* FreeTypeFont::Adopt(FT_Library library, FT_Face face, const PMString& name) {
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  // Unicode maps are preferred; a symbol font keeps the map it has.
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  FreeTypeFont* font = new (std::nothrow) FreeTypeFont(face, name);
  if (!font) {
    FT_Done_Face(face);
    return nullptr;
  }
  // A font may outlive the font manager that opened it (a caller may hold it), and the library
  // must outlive its faces.
  FT_Reference_Library(library);
  return font;
}

FreeTypeFont::~FreeTypeFont() {
  FT_Library library = fFace->glyph->library;
  FT_Done_Face(fFace);
  FT_Done_Library(library);
}

PMString FreeTypeFont::FamilyName() const {
  PMString family;
  family.SetCString(fFace->family_name ? fFace->family_name : "");
  family.SetTranslatable(kFalse);
  return family;
}

PMReal FreeTypeFont::Ascender() const {
  return static_cast<PMReal>(fFace->ascender) / fFace->units_per_EM;
}

PMReal FreeTypeFont::Descender() const {
  return -static_cast<PMReal>(fFace->descender) / fFace->units_per_EM;
}

FreeTypeFont::GlyphInfo FreeTypeFont::Glyph(UTF32TextChar c) const {
  auto known = fGlyphs.find(c);
  if (known != fGlyphs.end()) return known->second;
  GlyphInfo info{FT_Get_Char_Index(fFace, c), 0};
  FT_Fixed advance = 0;
  if (FT_Get_Advance(fFace, info.index, FT_LOAD_NO_SCALE, &advance) == 0) {
    info.advance = static_cast<PMReal>(advance) / fFace->units_per_EM;
  }
  fGlyphs.emplace(c, info);
  return info;
}

PMReal FreeTypeFont::LayOut(const textchar* text, int32 count, std::vector<PlacedGlyph>* glyphs,
                            int32* missing) const {
  PMReal pen = 0;
  int32 missed = 0;
  for (int32 i = 0; i < count; ++i) {
    UTF32TextChar c = text[i];
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    if (high && i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFF;  // a lone surrogate: no font has a glyph for it
    }
    const GlyphInfo info = Glyph(c);
    if (info.index == 0) ++missed;
    if (glyphs) glyphs->push_back({info.index, pen});
    pen += info.advance;
  }
  if (missing) *missing = missed;
  return pen;
}
