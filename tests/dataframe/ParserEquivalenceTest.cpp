// The header reader and the entry parser against the direct transcription of the algorithms,
// over many generated texts.
#include <gtest/gtest.h>

#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/ReferenceParser.h"
#include "dataframe/parser/EntryParser.h"
#include "dataframe/parser/HeaderReader.h"
#include "support/HostTest.h"

using namespace DataFrameTest;

namespace {

using ParserEquivalenceTest = HostTest;

// The way the tools and the lookup read a text: straightened, header read, body parsed.
TEST_F(ParserEquivalenceTest, HeaderBlockAndRemainingTextMatchTheDirectAlgorithm) {
  TextGenerator generate(20240601);
  for (int i = 0; i < 20000; ++i) {
    PMString text = generate.Next(i % 10 == 0 ? 200 : 30);
    StraightenQuotes(text);
    const std::string shown = ::testing::PrintToString(text.GetUTF16());
    int16 type = -1, scope = -1, expectedType = -1, expectedScope = -1;
    PMString name("kept"), expectedName("kept");
    ReadHeaderAttributes(text, &type, &scope, name);
    Reference::ReadHeaderAttributes(text, &expectedType, &expectedScope, expectedName);
    ASSERT_EQ(type, expectedType) << shown;
    ASSERT_EQ(scope, expectedScope) << shown;
    ASSERT_EQ(name, expectedName) << shown;

    const int16 parseType = generate.Below(8) == 0 ? 2 : 0;
    PMString expectedText = text.Substring(DataFrameBodyStart(text));
    const std::string expected = Reference::ParseDataFrameEntries(expectedText, parseType);
    // As vantelle parse does: the header dropped as the comments are cut.
    PMString actualText = text;
    MemBlock block = nullptr;
    uint32 size = 0;
    ParseDataFrameBody(actualText, DataFrameBodyStart(text), parseType, &block, &size);
    ASSERT_NE(block, nullptr);
    const std::string actual(static_cast<const char*>(block), size);
    FreeMemBlock(block);
    ASSERT_EQ(Hex(actual), Hex(expected)) << shown;
    ASSERT_EQ(actualText, expectedText) << shown;
  }
}

}  // namespace
