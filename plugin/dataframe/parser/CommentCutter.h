// Cutting comments out of joined body text.
#pragma once

#include <string>
#include <vector>

// Where the text left by CutComments came from, for tools that point at the places of the text
// before cutting: the runs of units kept together, each as the position where it now begins and
// the position it had before, in order; and whether the last comment was never closed.
struct CommentCuts {
  struct KeptRun {
    size_t at;
    size_t from;
  };
  std::vector<KeptRun> kept;
  bool unclosed = false;
};

// Removes each "<!--" with everything up to and including the next "-->" (searched from the
// "<!--" itself, so "<!-->" is a whole comment), joining the text around it; an unclosed
// comment runs to the end. The result equals repeating "cut the first comment" until none is
// left, including the comments that a cut creates by joining a "<!" before it with a "--" after
// it, but it takes one pass.
// With cuts given, records there where the kept text came from. With from, the text before it is
// dropped as the comments are, in the same pass: the text left is that from on, comments cut.
void CutComments(std::u16string& text, CommentCuts* cuts = nullptr, size_t from = 0);
