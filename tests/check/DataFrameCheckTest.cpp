// The findings of vantelle check held against the parser over many generated texts: every line
// the parser drops has a finding, and no finding about lines and characters points at a line
// whose entry is intact (findings about the header, DF1xx, stand where the header's attributes
// are, which in a generated text may be any line). Which
// lines survive the comments, and which entry comes from which line, is worked out here from a
// direct transcription of the reading rules that follows each character's place; the entries
// themselves come from the parser.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "check/DataFrameCheck.h"
#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/parser/EntryParser.h"
#include "dataframe/parser/HeaderReader.h"
#include "support/HostTest.h"

using namespace DataFrameTest;

namespace {

struct Unit {
  char16_t c;
  size_t at;  // the place in the whole text
};
typedef std::vector<Unit> Units;

size_t Find(const Units& units, const std::u16string& what, size_t from) {
  for (size_t i = from; i + what.size() <= units.size(); ++i) {
    size_t k = 0;
    while (k < what.size() && units[i + k].c == what[k]) ++k;
    if (k == what.size()) return i;
  }
  return std::u16string::npos;
}

// The comments cut as the reading rules say, each from the start again; the places of the units
// that an unclosed comment swallowed go to swallowed.
Units CutComments(Units units, std::vector<size_t>& swallowed) {
  for (size_t p = Find(units, u"<!--", 0); p != std::u16string::npos; p = Find(units, u"<!--", 0)) {
    const size_t c = Find(units, u"-->", p);
    const size_t end = c == std::u16string::npos ? units.size() : c + 3;
    if (c == std::u16string::npos) {
      for (size_t i = p; i < end; ++i) swallowed.push_back(units[i].at);
    }
    units.erase(units.begin() + static_cast<ptrdiff_t>(p),
                units.begin() + static_cast<ptrdiff_t>(end));
  }
  return units;
}

// Lines as the reading rules cut them: at CR or LF, a CR and an LF side by side one break,
// empty lines skipped.
std::vector<Units> EntryLines(const Units& units) {
  std::vector<Units> lines(1);
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t c = units[i].c;
    if (c != u'\r' && c != u'\n') {
      lines.back().push_back(units[i]);
      continue;
    }
    if (i + 1 < units.size() && units[i + 1].c == (c == u'\r' ? u'\n' : u'\r')) ++i;
    lines.emplace_back();
  }
  std::vector<Units> nonEmpty;
  for (Units& line : lines) {
    if (!line.empty()) nonEmpty.push_back(std::move(line));
  }
  return nonEmpty;
}

// Lines of the whole text as editors count them: CR LF, CR or LF end one.
class EditorLines {
 public:
  explicit EditorLines(const std::u16string& text) : fText(text) {
    fStarts.push_back(0);
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != u'\r' && text[i] != u'\n') continue;
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      fStarts.push_back(i + 1);
    }
  }
  uint32 Of(size_t at) const {
    return static_cast<uint32>(std::upper_bound(fStarts.begin(), fStarts.end(), at) -
                               fStarts.begin());
  }
  std::u16string Text(uint32 line) const {
    const size_t start = fStarts[line - 1];
    size_t end = line < fStarts.size() ? fStarts[line] : fText.size();
    while (end > start && (fText[end - 1] == u'\r' || fText[end - 1] == u'\n')) --end;
    return fText.substr(start, end - start);
  }

 private:
  const std::u16string& fText;
  std::vector<size_t> fStarts;
};

using DataFrameCheckTest = HostTest;

TEST_F(DataFrameCheckTest, EveryDroppedLineHasAFindingAndNoIntactLineHasOne) {
  TextGenerator generate(1353);
  for (int i = 0; i < 2000; ++i) {
    // Most texts begin with a labels header, so that their lines are read as entries.
    PMString original(i % 8 == 0 ? u"" : u"<dataframe type=\"labels\" scope=\"page\"/>\r\n");
    original.Append(generate.Next(i % 10 == 0 ? 120 : 40));
    const std::u16string& raw = original.GetUTF16();
    PMString checked = original;
    struct Found {
      uint32 line, lastLine;
      std::string code, message;
    };
    std::vector<Found> findings;
    CheckDataFrameText(checked, CheckOptions(), [&](const CheckFinding& f) {
      findings.push_back({f.line, f.lastLine, f.code, std::string(f.message)});
    });
    std::string shown = ::testing::PrintToString(raw) + "\nfindings:";
    for (const Found& f : findings) {
      shown += "\n" + std::to_string(f.line) + "-" + std::to_string(f.lastLine) + " " + f.code +
               " " + f.message;
    }

    PMString text = original;
    StraightenQuotes(text);
    DataFrameHeader header;
    ReadHeaderAttributes(text, &header.type, &header.scope, header.name);
    const size_t bodyStart = static_cast<size_t>(DataFrameBodyStart(text));
    PMString body = text.Substring(static_cast<int32>(bodyStart));
    MemBlock block = nullptr;
    uint32 size = 0;
    ParseDataFrameEntries(body, header.type, &block, &size);
    const std::vector<Entry> entries =
        EntriesOf(std::string(static_cast<const char*>(block), size));
    FreeMemBlock(block);

    const EditorLines editor(raw);
    Units units;
    for (size_t at = bodyStart; at < raw.size(); ++at) units.push_back({text[int32(at)], at});
    std::vector<size_t> swallowed;
    const std::vector<Units> lines = EntryLines(CutComments(units, swallowed));

    // Lines with something to read: a character that survives the comments, one an unclosed
    // comment swallowed, or one before a closed header.
    std::set<uint32> content;
    for (const Units& line : lines) {
      for (const Unit& unit : line) {
        if (!PMString::IsWhiteSpaceChar(unit.c)) content.insert(editor.Of(unit.at));
      }
    }
    for (size_t at : swallowed) {
      if (!PMString::IsWhiteSpaceChar(raw[at])) content.insert(editor.Of(at));
    }
    const int32 opener = text.IndexOfString("<dataframe");
    for (size_t at = 0; bodyStart != 0 && at < size_t(opener); ++at) {
      if (!PMString::IsWhiteSpaceChar(raw[at])) content.insert(editor.Of(at));
    }

    // Each line that gives an entry gives it to the line of its first character that is not
    // white space.
    std::map<uint32, std::vector<size_t>> entriesOfLine;
    size_t next = 0;
    for (const Units& line : header.type == kDataFrameTypeLabels ? lines : std::vector<Units>()) {
      if (line.size() == 1 && (line[0].c == u':' || line[0].c == u',')) continue;
      size_t first = 0;
      while (first + 1 < line.size() && PMString::IsWhiteSpaceChar(line[first].c)) ++first;
      entriesOfLine[editor.Of(line[first].at)].push_back(next++);
    }
    ASSERT_EQ(next, entries.size()) << shown;

    const auto covered = [&](uint32 line, bool headerFindingsToo) {
      for (const Found& f : findings) {
        const bool aboutHeader = f.code.compare(0, 3, "DF1") == 0;
        if ((headerFindingsToo || !aboutHeader) && f.line <= line && line <= f.lastLine) {
          return true;
        }
      }
      return false;
    };
    for (uint32 line : content) {
      if (entriesOfLine.count(line) == 0) {
        ASSERT_TRUE(covered(line, true))
            << "line " << line << " gives no entry and has no finding in " << shown;
      }
    }
    std::map<std::string, int> labelCounts;
    for (const Entry& entry : entries) ++labelCounts[entry.first];
    for (const auto& [line, indexes] : entriesOfLine) {
      if (indexes.size() != 1) continue;
      const Entry& entry = entries[indexes[0]];
      const std::u16string lineText = editor.Text(line);
      const bool verbatim = lineText == Text(entry.first + ":" + entry.second).GetUTF16() ||
                            lineText == Text(entry.first + "," + entry.second).GetUTF16();
      if (verbatim && !entry.first.empty() && labelCounts[entry.first] == 1) {
        ASSERT_FALSE(covered(line, false))
            << "line " << line << " is intact but has a finding in " << shown;
      }
    }
  }
}

}  // namespace
