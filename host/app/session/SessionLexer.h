// The lexer of session scripts: splits one line into words.
//
// Words are separated by blanks (spaces and tabs). A word is bare (any run of non-blank
// characters) or a double-quoted string with the escapes \" \\ \r \n \t and \u{HEX}. A bare word
// of the form key=value is an option; its value may be a quoted string (key="a b"). A word that
// begins with # starts a comment that runs to the end of the line.
#pragma once

#include <string>
#include <vector>

struct ScriptWord {
  std::string key;    // the option's key; empty for a plain word
  std::string value;  // UTF-8, escapes resolved
  bool quoted = false;

  bool IsOption() const { return !key.empty(); }
};

// Splits a line (UTF-8, without its line break) into words. Answers false with a message for a
// malformed line: invalid UTF-8, an unterminated string, an unknown escape, a quote inside a bare
// word, or text glued to a closing quote.
bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>& words, std::string& error);
