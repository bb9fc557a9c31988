// Feeds arbitrary bytes to the session script lexer, one line at a time as the runner does. It
// must split or refuse every line; what it splits must be valid UTF-8 words, and a plain word
// written back bare must split to itself.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SessionLexer.h"
#include "WideString.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "session lexer: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    std::vector<ScriptWord> words;
    std::string error;
    if (SplitScriptLine(text.substr(start, end - start), words, error)) {
      for (const ScriptWord& word : words) {
        WideString check;
        Require(check.SetUTF8String(word.key + word.value) != kFalse, "a word is not UTF-8");
        if (word.quoted || word.IsOption()) continue;
        std::vector<ScriptWord> again;
        Require(SplitScriptLine(word.value, again, error) && again.size() == 1 &&
                    again[0].value == word.value,
                "a bare word does not split to itself");
      }
    } else {
      Require(!error.empty(), "a refused line has no message");
    }
    start = end + 1;
  }
  return 0;
}
