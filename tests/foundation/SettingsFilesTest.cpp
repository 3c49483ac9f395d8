#include <gtest/gtest.h>

#include "foundation/FileOps.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;

namespace {

struct TokenizeCase {
  const char* line;
  char decimal;
  std::vector<std::string> words;
};

class TokenizeTest : public ::testing::TestWithParam<TokenizeCase> {};

TEST_P(TokenizeTest, SplitsWords) {
  TestPlatform tp;
  tp.context.decimalSymbol = GetParam().decimal;
  EXPECT_EQ(Tokenize(std::string_view(GetParam().line)), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TokenizeTest,
    ::testing::Values(TokenizeCase{"Interface = CMM1 !To run the CMM this value should be CMM1",
                                   '.',
                                   {"Interface", "CMM1"}},
                      TokenizeCase{"Key=Value", '.', {"Key", "Value"}},
                      TokenizeCase{"Key\t\tValue  = x", '.', {"Key", "Value", "x"}},
                      TokenizeCase{"Value 1,5", '.', {"Value", "1", "5"}},
                      TokenizeCase{"Value 1,5", ',', {"Value", "1,5"}},
                      TokenizeCase{"!all comment", '.', {}}, TokenizeCase{"   ", '.', {}},
                      TokenizeCase{"last", '.', {"last"}}));

TEST(Tokenize, ChangesTheCallersLine) {
  TestPlatform tp;
  std::string line = "a=b\tc,d";
  Tokenize(line);
  EXPECT_EQ(line, "a b c d");
}

TEST(Tokenize, SemicolonKeepsBlanksAndStopsAtBang) {
  EXPECT_EQ(TokenizeSemicolon(" a b ;;c!d;e"), (Words{" a b ", "c"}));
}

TEST(Tokenize, CommentLines) {
  EXPECT_TRUE(IsCommentLine("!x"));
  EXPECT_TRUE(IsCommentLine("$$x"));
  EXPECT_FALSE(IsCommentLine("$x"));
  EXPECT_FALSE(IsCommentLine(" !x"));
}

struct IniCase {
  const char* content;
  const char* key;
  const char* value;
};

class ReadIniKeyTest : public ::testing::TestWithParam<IniCase> {};

TEST_P(ReadIniKeyTest, ReadsValue) {
  TestPlatform tp;
  auto file = tp.Write("zantrel.ini", GetParam().content);
  EXPECT_EQ(ReadIniKey(file, GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadIniKeyTest,
    ::testing::Values(IniCase{"SingleZone = 1\nSingleZoneLabel = Bench A", "SingleZone", "1"},
                      IniCase{"SingleZoneLabel = Bench A\nSingleZone = 1", "SingleZoneLabel",
                              "Bench A"},
                      IniCase{"SingleZoneLabel = Bench A\nSingleZone = 1", "SingleZone", "1"},
                      IniCase{"!Zone2_DISABLE = ON\nZone2_DISABLE = OFF", "Zone2_DISABLE", "0"},
                      IniCase{"!Zone2_DISABLE = ON", "Zone2_DISABLE", ""},
                      IniCase{"A = first\nA = second", "A", "first"},
                      IniCase{"Label = Bench   A == B !comment", "Label", "Bench A B"},
                      IniCase{"label = on", "LABEL", "1"}, IniCase{"Trim = off", "Trim", "0"},
                      IniCase{"Alone", "Alone", ""}, IniCase{"Other = 1", "Missing", ""}));

TEST(ReadIniKey, DecimalSymbolDecidesCommas) {
  TestPlatform tp;
  auto file = tp.Write("a.ini", "Factor = 1,5");
  EXPECT_EQ(ReadIniKey(file, "Factor"), "1 5");
  tp.context.decimalSymbol = ',';
  EXPECT_EQ(ReadIniKey(file, "Factor"), "1,5");
}

TEST(ReadIniKey, MissingOrBlankFile) {
  TestPlatform tp;
  EXPECT_EQ(ReadIniKey(tp.File("none.ini"), "A"), "");
  EXPECT_EQ(ReadIniKey("  ", "A"), "");
  EXPECT_TRUE(tp.LogHas("none.ini not found."));
  EXPECT_TRUE(tp.op.Log().empty());
}

TEST(ReadIniKey, LogsValueOrNull) {
  TestPlatform tp;
  auto file = tp.Write("a.ini", "A = 5");
  ReadIniKey(file, "A");
  ReadIniKey(file, "B");
  EXPECT_TRUE(tp.LogHas(file.string() + " A value 5"));
  EXPECT_TRUE(tp.LogHas(file.string() + " B value NULL"));
}

TEST(ReadIniKeyAll, TwoWordKeys) {
  TestPlatform tp;
  auto file = tp.Write("a.ini", "!Label 2 = x\nLabel 1 = Zone One\nLabel 2 = Zone Two");
  EXPECT_EQ(ReadIniKeyAll(file, "Label", "2"), "Zone Two");
  EXPECT_EQ(ReadIniKeyAll(file, "Label", "3"), "");
}

TEST(GetIniVal, StoresDefaultOnFirstRead) {
  TestPlatform tp;
  EXPECT_EQ(GetIniVal("Timing", "KormetQuit", "2000"), "2000");
  EXPECT_EQ(*tp.store.Get("Timing", "KormetQuit"), "2000");
  tp.store.Set("Timing", "KormetQuit", "50");
  EXPECT_EQ(GetIniVal("Timing", "KormetQuit", "2000"), "50");
  EXPECT_TRUE(tp.LogHas("GetIniVal: KormetQuit value 50"));
}

TEST(WholeFileReaders, parseFileAndgetaLine) {
  TestPlatform tp;
  auto file = tp.Write("a.op", "!blade X\nop1 first\nsolo\nname; with blank;x\nkey b c");
  EXPECT_TRUE(parseFile(file, "FIRST", false));
  EXPECT_FALSE(parseFile(file, "X", false));
  EXPECT_TRUE(parseFile(file, "name", true));
  EXPECT_FALSE(parseFile(file, "with blank", true));  // pieces keep their blanks
  EXPECT_FALSE(parseFile(tp.File("none"), "x", false));
  EXPECT_TRUE(tp.LogHas("parseFile: File not found: " + tp.File("none").string()));

  EXPECT_FALSE(getaLine(file, "solo", false).has_value());  // one word is not enough
  auto line = getaLine(file, "C", false);
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, (Words{"key", "b", "c"}));
  EXPECT_FALSE(getaLine(tp.File("none"), "x", false).has_value());
}

TEST(WholeFileReaders, getaFileSkipsBlankAndComments) {
  TestPlatform tp;
  EXPECT_FALSE(getaFile(tp.File("none")).has_value());
  auto comments = tp.Write("c.txt", "!a\n$$b\n   ");
  ASSERT_TRUE(getaFile(comments));
  EXPECT_TRUE(getaFile(comments)->empty());
  auto file = tp.Write("f.txt", "  one  \n\n!c\ntwo");
  EXPECT_EQ(*getaFile(file), (std::vector<std::string>{"  one  ", "two"}));
}

TEST(WholeFileReaders, getaKeySetComparesExactly) {
  TestPlatform tp;
  auto file = tp.Write("k.txt", "SECTION A 1\nsection B 2\nSECTION C\n!SECTION D 4\nSECTION E 5");
  EXPECT_EQ(*getaKeySet(file, "SECTION", 3), (std::vector<std::string>{"1", "5"}));
  EXPECT_EQ(*getaKeySet(file, "SECTION", 2), (std::vector<std::string>{"A", "C", "E"}));
  EXPECT_FALSE(getaKeySet(tp.File("none"), "x", 1).has_value());
}

TEST(WriteaFile, BackupOnlyWhenAsked) {
  TestPlatform tp;
  auto file = tp.Write("out.txt", "old");
  WriteaFile({"a", "b"}, file, false);
  EXPECT_FALSE(std::filesystem::exists(tp.File("outOLD.txt")));
  WriteaFile({"c"}, file, true);
  EXPECT_EQ(*ReadAll(file), "c\r\n");
  EXPECT_EQ(*ReadAll(tp.File("outOLD.txt")), "a\r\nb\r\n");
  EXPECT_TRUE(tp.LogHas("WriteaFile: File existed, MadeOLD for backup."));
}

TEST(WriteaFile, DevtabAlwaysKeepsBackup) {
  TestPlatform tp;
  tp.context.variant = Variant::Devtab;
  auto file = tp.Write("r.txt", "old");
  WriteaFile({"new"}, file, false);
  EXPECT_EQ(*ReadAll(tp.File("rOLD.txt")), "old\r\n");
}

TEST(WriteaFile, UnwritableFileRaises) {
  TestPlatform tp;
  EXPECT_THROW(WriteaFile({"x"}, tp.File("no/such/folder/f.txt"), false), FileError);
}

TEST(ReplaceLine, ReplacesFirstMatchInPlace) {
  TestPlatform tp;
  auto file = tp.Write("r.txt", "!comment\na = 1\nB = 2\nb = 3");
  ReplaceLine(file, "b =", "B = 9");
  EXPECT_EQ(*ReadAll(file), "a = 1\r\nB = 9\r\nb = 3\r\n");
  auto last = tp.Write("l.txt", "x\ny\nlast one");
  ReplaceLine(last, "LAST", "final");
  EXPECT_EQ(*getaFile(last), (std::vector<std::string>{"x", "y", "final"}));
  ReplaceLine(last, "absent", "never");
  EXPECT_EQ(getaFile(last)->size(), 3u);
}

TEST(TextFiles, ReadsCrLfAndLf) {
  TestPlatform tp;
  WriteAll(tp.File("m.txt"), "a\r\nb\nc");
  EXPECT_EQ(*ReadLines(tp.File("m.txt")), (std::vector<std::string>{"a", "b", "c"}));
}

}  // namespace
