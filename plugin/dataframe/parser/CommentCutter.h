// Cutting comments out of joined body text.
#pragma once

#include <string>

// Removes each "<!--" with everything up to and including the next "-->" (searched from the
// "<!--" itself, so "<!-->" is a whole comment), joining the text around it; an unclosed
// comment runs to the end. The result equals repeating "cut the first comment" until none is
// left, including the comments that a cut creates by joining a "<!" before it with a "--" after
// it, but it takes one pass.
void CutComments(std::u16string& text);
