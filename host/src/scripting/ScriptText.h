// Texts between the host and the engine. The engine keeps a string as the UTF-8 forms of its
// UTF-16 code units one by one (a surrogate on its own included), so texts cross unit by unit:
// scripts see the same characters, and the same lengths, as the host's strings hold.
#pragma once

#include <string>

#include "duktape.h"

// Pushes the text onto the engine's stack.
void PushText(duk_context* ctx, const std::u16string& text);
// The string at the index.
std::u16string GetText(duk_context* ctx, duk_idx_t index);
// UTF-8 script source in the engine's form; false for bytes that are not UTF-8.
bool ToEngineSource(const std::string& utf8, std::string* source);
