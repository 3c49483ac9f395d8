#include "platform/rtf/RtfRichText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace zantrel {
namespace {

std::string Plain(const std::string& rtf) {
  return RtfRichText().ToPlainText(rtf);
}

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(ZANTREL_FIXTURES) + "/rtf/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

struct Case {
  const char* what;
  std::string rtf;
  std::string text;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.what;
}

class RtfCases : public ::testing::TestWithParam<Case> {};

TEST_P(RtfCases, GivesThePlainText) {
  EXPECT_EQ(Plain(GetParam().rtf), GetParam().text) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    GroupsAndControlWords, RtfCases,
    ::testing::Values(
        Case{"formatting groups keep their text", R"({\rtf1\ansi {\b bold} and {\i\fs20 small}})",
             "bold and small"},
        Case{"the delimiting blank belongs to the word", R"({\rtf1 \b0 x\fs24  y})", "x y"},
        Case{"unknown control words and symbols are ignored",
             R"({\rtf1 a\zzunknown123 b\frobnicate-7 c\%d})", "abcd"},
        Case{"negative parameters end the word", R"({\rtf1 \li-340 x})", "x"},
        Case{"source line ends only wrap the text", "{\\rtf1 one\r\ntwo\nthree}", "onetwothree"},
        Case{"text after the document's group is not read", R"({\rtf1 body}trailing)", "body"},
        Case{"a truncated document gives what was read", R"({\rtf1 {\b cut)", "cut"}));

INSTANTIATE_TEST_SUITE_P(
    Destinations, RtfCases,
    ::testing::Values(
        Case{"font, colour and style tables",
             R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red0\green0\blue0;})"
             R"({\stylesheet{\s0 Normal;}}text})",
             "text"},
        Case{"document properties", R"({\rtf1{\info{\title T}{\author A}}text})", "text"},
        Case{"pictures", R"({\rtf1 a{\pict\pngblip 89504e47{\*\blipuid 00}}b})", "ab"},
        Case{"every header and footer",
             R"({\rtf1{\header H}{\headerl L}{\headerr R}{\headerf F}{\footer f})"
             R"({\footerl l}{\footerr r}{\footerf ff}body})",
             "body"},
        Case{"any starred group, known or not",
             R"({\rtf1 a{\*\generator Writer;}{\*\unknowndest x{y}z}b})", "ab"},
        Case{"field instruction skipped, its result kept",
             R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
        Case{"footnote body skipped, its mark numbered",
             R"({\rtf1 a{\super\chftn}{\*\footnote\chftn note} b{\super\chftn}})", "a1 b2"},
        Case{"hidden text", R"({\rtf1 seen{\v hidden}\v more\v0  again{\v x\plain y}})",
             "seen againy"},
        Case{"list numbers kept without leading blanks, empty ones dropped",
             R"({\rtf1{\listtext\pard\plain  1.\tab}one\par{\listtext\tab}heading})",
             "1.\tone\r\nheading"}));

INSTANTIATE_TEST_SUITE_P(
    LinesTabsTables, RtfCases,
    ::testing::Values(
        Case{"paragraphs", R"({\rtf1 one\par two\par})", "one\r\ntwo\r\n"},
        Case{"an empty paragraph is an empty line", R"({\rtf1 one\par\par two})", "one\r\n\r\ntwo"},
        Case{"line break", R"({\rtf1 one\line two})", "one\r\ntwo"},
        Case{"backslash before LF, CR and CR LF", "{\\rtf1 a\\\nb\\\rc\\\r\nd}",
             "a\r\nb\r\nc\r\nd"},
        Case{"section and page breaks end the line", R"({\rtf1 a\sect b\page c})", "a\r\nb\r\nc"},
        Case{"tab", R"({\rtf1 a\tab b})", "a\tb"},
        Case{"literal tab character", "{\\rtf1 a\tb}", "a\tb"},
        Case{"table rows are lines, cells separated by tabs",
             R"({\rtf1\trowd\cellx1\cellx2 a\cell b\cell\row\trowd x\cell\cell z\cell\row after})",
             "a\tb\r\nx\t\tz\r\nafter"},
        Case{"paragraph inside a cell breaks the line", R"({\rtf1\trowd a\par b\cell c\cell\row})",
             "a\r\nb\tc\r\n"},
        Case{"a row's properties in their own group", R"({\rtf1 a\cell b\cell{\trowd\cellx1\row}})",
             "a\tb\r\n"}));

INSTANTIATE_TEST_SUITE_P(
    Characters, RtfCases,
    ::testing::Values(
        Case{"escaped braces and backslash", R"({\rtf1 \{a\}\\b})", "{a}\\b"},
        Case{"hex byte in code page 1252", R"({\rtf1\ansi Jos\'e9 \'80})", "Jos\xE9 \x80"},
        Case{"hex bytes pass as the document's code page", R"({\rtf1\ansi\ansicpg1251 \'c0\'FF})",
             "\xC0\xFF"},
        Case{"unicode character in 1252, stand-in skipped", R"({\rtf1 Jos\u233?})", "Jos\xE9"},
        Case{"hex stand-in counts as one character", R"({\rtf1 \u8364\'80x})", "\x80x"},
        Case{"uc2 skips two stand-ins", R"({\rtf1\uc2 \u252ue!})", "\xFC!"},
        Case{"uc0 skips none", R"({\rtf1\uc0 \u252 ue})", "\xFCue"},
        Case{"uc holds for its group only", R"({\rtf1{\uc2 \u233 ab}\u233 cd})",
             "\xE9\xE9"
             "d"},
        Case{"a group end stops the skipping", R"({\rtf1{\uc3 \u233 a}bc})",
             "\xE9"
             "bc"},
        Case{"a control word counts as one stand-in", R"({\rtf1 \u233\emdash x})", "\xE9x"},
        Case{"unicode character mapped into code page 1251", R"({\rtf1\ansi\ansicpg1251 \u1040?})",
             "\xC0"},
        Case{"character missing from the code page takes the stand-in",
             R"({\rtf1\ansi \u937?\uc2\u8804<=})", "?<="},
        Case{"character missing with no stand-in", R"({\rtf1\uc0\u937 x})", "?x"},
        Case{"negative number plus 65536", R"({\rtf1\ansi\ansicpg10000 \u-1279?})", "\xDE"},
        Case{"named punctuation in the code page",
             R"({\rtf1 \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet})",
             "\x97\x96\x91\x92\x93\x94\x95"},
        Case{"named punctuation outside a known code page",
             R"({\rtf1\ansicpg932 \emdash\lquote\ldblquote\bullet})", "-'\"*"},
        Case{"non-breaking space and hyphen, optional hyphen", R"({\rtf1 a\~b\_c\-d})", "a b-cd"},
        Case{"binary data is skipped whole", "{\\rtf1 a\\bin6 {}\\\\\x01z b}", "a b"},
        Case{"binary data inside a skipped group", "{\\rtf1{\\*\\blob\\bin2 }}}x}", "x"},
        Case{"binary data counts as one stand-in", "{\\rtf1 \\u233\\bin1 ?y}", "\xE9y"}));

TEST(RtfRichText, TextThatIsNotRtfComesBackUnchanged) {
  const std::string text = "POINTDATA\r\nPNT1 1 2 3\n{\\rtf not at start}\r\n\xE9";
  EXPECT_EQ(Plain(text), text);
  EXPECT_EQ(Plain(""), "");
  EXPECT_FALSE(IsRtf(text));
}

TEST(RtfRichText, LeadingBlanksAndByteOrderMarkStillRtf) {
  EXPECT_TRUE(IsRtf("\xEF\xBB\xBF\r\n  {\\rtf1 x}"));
  EXPECT_EQ(Plain("\xEF\xBB\xBF\r\n  {\\rtf1 x}"), "x");
}

// Documents written by a word processor, compared byte for byte with the text a reader sees.
class WordProcessorFixtures : public ::testing::TestWithParam<std::string> {};

TEST_P(WordProcessorFixtures, GiveTheTextOfTheDocument) {
  const std::string name = GetParam();
  const std::string expected = ReadFixture(name + ".txt");
  const std::string actual = Plain(ReadFixture(name + ".rtf"));
  ASSERT_FALSE(expected.empty());
  // Line by line first, so a failure names the line.
  std::istringstream want(expected), got(actual);
  std::string a, b;
  int line = 0;
  while (std::getline(want, a)) {
    ++line;
    ASSERT_TRUE(std::getline(got, b)) << name << ": missing line " << line << ": " << a;
    EXPECT_EQ(b, a) << name << ": line " << line;
  }
  EXPECT_FALSE(std::getline(got, b)) << name << ": extra line: " << b;
  EXPECT_EQ(actual, expected);
}

INSTANTIATE_TEST_SUITE_P(LibreOfficeWriter, WordProcessorFixtures,
                         ::testing::Values("shift-note", "ncr-0815", "host-report"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (auto& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

}  // namespace
}  // namespace zantrel
