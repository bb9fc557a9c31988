#include "ScriptText.h"

#include "UnicodeSavvyString.h"

namespace {

std::string EngineForm(const std::u16string& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t unit : text) {
    if (unit < 0x80) {
      bytes.push_back(static_cast<char>(unit));
    } else if (unit < 0x800) {
      bytes.push_back(static_cast<char>(0xC0 | unit >> 6));
      bytes.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    } else {
      bytes.push_back(static_cast<char>(0xE0 | unit >> 12));
      bytes.push_back(static_cast<char>(0x80 | (unit >> 6 & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    }
  }
  return bytes;
}

}  // namespace

void PushText(duk_context* ctx, const std::u16string& text) {
  const std::string bytes = EngineForm(text);
  duk_push_lstring(ctx, bytes.data(), bytes.size());
}

std::u16string GetText(duk_context* ctx, duk_idx_t index) {
  UnicodeSavvyString text;
  const duk_size_t length = duk_get_length(ctx, index);
  for (duk_size_t i = 0; i < length; ++i) {
    // A character above U+FFFF (from String.fromCodePoint, say) is one code point to the engine.
    const duk_codepoint_t c = duk_char_code_at(ctx, index, i);
    if (c > 0xFFFF) {
      text.AppendUTF32TextChar(static_cast<UTF32TextChar>(c));
    } else {
      text.GetUTF16Mutable().push_back(static_cast<char16_t>(c));
    }
  }
  return text.GetUTF16();
}

bool ToEngineSource(const std::string& utf8, std::string* source) {
  UnicodeSavvyString text;
  if (!text.SetUTF8String(utf8)) return false;
  *source = EngineForm(text.GetUTF16());
  return true;
}
