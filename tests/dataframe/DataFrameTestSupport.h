// Helpers for the data frame tests: texts from UTF-8, blocks as bytes, hex and decoded entries.
#pragma once

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "PMString.h"

namespace DataFrameTest {

// The text of a UTF-8 literal (the tests write their cases in UTF-8).
PMString Text(const std::string& utf8);

std::string Hex(const std::string& bytes);

// Runs ParseDataFrameEntries on a copy of the text and answers the block's bytes (empty when no
// block was handed out), after checking that the size handed out is the block's own size.
std::string ParseToBytes(const PMString& text, int16 type);

typedef std::pair<std::string, std::string> Entry;  // label and value, in UTF-8

// The entries of a block, read through each entry's size field; fails the test when the block
// is not well-formed (sizes, NULs, count and total must agree exactly).
std::vector<Entry> EntriesOf(const std::string& block);

// Random data frame texts built from the pieces where the reading rules have their traps: header
// literals and their fragments, comment openers and closers that a cut can join, separators and
// escapes, every kind of line break, white space, characters outside Mac Roman, typographic
// quotes, surrogates and NULs. The same start gives the same texts.
class TextGenerator {
 public:
  explicit TextGenerator(uint32 start) : fRandom(start) {}
  // Up to maxPieces pieces.
  PMString Next(size_t maxPieces);
  // A whole number below n.
  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(fRandom); }

 private:
  std::mt19937 fRandom;
};

}  // namespace DataFrameTest
