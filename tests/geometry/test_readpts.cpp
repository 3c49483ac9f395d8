#include <gtest/gtest.h>

#include "GeometryTest.h"
#include "foundation/TextFile.h"
#include "geometry/ReadPts.h"
#include "platform/rtf/RtfRichText.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

double F(double v) {
  return static_cast<double>(static_cast<float>(v));
}

struct LineCase {
  const char* line;
  bool point;
};

TEST(Parseline, RowsByWordCount) {
  TestPlatform tp;
  const LineCase cases[] = {
      {"P1 1.0 2.0 3.0 0 0 1 0.05", true},           // 8 words: 2..8
      {"PNT 7 1.0 2.0 3.0 0 0 1 0.05", true},        // 9, last numeric: 3..9
      {"P1 1.0 2.0 3.0 0 0 1 0.05 OUT", true},       // 9, last not numeric: 2..8
      {"PNT A 7 1.0 2.0 3.0 0 0 1 0.05", true},      // 10, last numeric: 4..10
      {"PNT A 1.0 2.0 3.0 0 0 1 0.05 OUT", true},    // 10, last not numeric: 3..9
      {"PNT A B 7 1.0 2.0 3.0 0 0 1 0.05", true},    // 11, last numeric: 5..11
      {"PNT A B 1.0 2.0 3.0 0 0 1 0.05 OUT", true},  // 11, last not numeric: 4..10
      {"P1\t1.0,2.0,3.0 0 0 1=0.05", true},          // tabs, commas and "=" separate
      {"P1 1.0 2.0 3.0 0 0 1", false},               // 7 words
      {"P1 X 2.0 3.0 0 0 1 0.05", false},            // word 2 must be a number
      {"PNT 7 X 2.0 3.0 0 0 1 0.05", false},         // 9 words: word 3 must be a number
      {"PNT A 7 X 2.0 3.0 0 0 1 0.05", false},       // 10 words: word 4
      {"PARTIAL 1.0 2.0 3.0 0 0 1 0.05", false},     // ignore words
      {"DIMENSION 1.0 2.0 3.0 0 0 1 0.05", false},
      {"MAX 1.0 2.0 3.0 0 0 1 0.05", false},
      {"BUILT 1.0 2.0 3.0 0 0 1 0.05", false},
      {"   ", false},
  };
  for (const auto& c : cases) {
    PointValues v;
    const bool point = Parseline(c.line, v);
    EXPECT_EQ(point, c.point) << c.line;
    if (!point || !c.point) continue;
    EXPECT_EQ(v.x, 1) << c.line;
    EXPECT_EQ(v.y, 2);
    EXPECT_EQ(v.z, 3);
    EXPECT_EQ(v.i, 0);
    EXPECT_EQ(v.k, 1);
    EXPECT_EQ(v.v7, F(0.05)) << c.line;
  }
  EXPECT_TRUE(tp.LogHas("Parseline ignored line: PARTIAL 1.0"));
  EXPECT_TRUE(tp.LogHas("Reading Kormet output line not understood, line: P1 1.0 2.0 3.0 0 0 1"));
}

TEST(Parseline, SinglePrecisionLocaleAndBadNumbers) {
  TestPlatform tp;
  PointValues v;
  ASSERT_TRUE(Parseline("P1 12.3456789 2 3 0 0 1 0", v));
  EXPECT_EQ(v.x, F(12.3456789));
  EXPECT_NE(v.x, 12.3456789);
  EXPECT_NEAR(v.x, 12.34568, 1e-5);
  EXPECT_THROW(Parseline("P1 1.0 abc 3.0 0 0 1 0.05", v), PointConversionError);
  tp.context.decimalSymbol = ',';
  ASSERT_TRUE(Parseline("P1 1,5 2,0 3,0 0 0 1 0,05", v));
  EXPECT_EQ(v.x, 1.5);
}

std::string Block(int count, double z) {
  std::string text;
  for (int n = 1; n <= count; ++n) {
    text += "P" + std::to_string(n) + " " + std::to_string(n) + ".0 0.5 " + std::to_string(z) +
            " 0 0 1 0.001\n";
  }
  return text;
}

class ReadData : public ::testing::Test {
 protected:
  std::optional<SectionSet> Read(const std::string& report, long expected = 2) {
    path = tp.Write("blade.rtf", report).string();
    return readData(plain, path, expected, progress);
  }
  std::string NotFound() const { return "Data not understood or not found in: " + path; }

  TestPlatform tp;
  test::PlainText plain;
  MemoryProgress progress;
  std::string path;
};

TEST_F(ReadData, BlocksInReportOrder) {
  const std::string report =
      "Header line\nP0 9 9 9 0 0 1 0 before any marker\n"
      "=== POINTDATA section 1 ===\n" +
      Block(11, 1.0) +
      "Part: PARTIAL 1 2 3 4 5 6 7\n"
      "pointdata\n" +
      Block(3, 2.0) + "PointData\nPOINTDATA\n" + Block(2, 3.0);
  const auto set = Read(report, 2);
  ASSERT_TRUE(set);
  ASSERT_EQ(set->Count(), 4);
  EXPECT_EQ(set->Item(1).Count(), 11);
  EXPECT_EQ(set->Item(1).Item(1).x, 1);
  EXPECT_EQ(set->Item(1).Item(11).ltol, F(0.001));
  EXPECT_EQ(set->Item(2).Count(), 3);
  EXPECT_EQ(set->Item(3).Count(), 0);  // two marker lines in a row
  EXPECT_EQ(set->Item(4).Count(), 2);
  EXPECT_EQ(progress.caption, "Processing measured data...");
  EXPECT_EQ(progress.label, "Processing measured data...");
  EXPECT_TRUE(progress.visible);
  EXPECT_EQ(progress.values.front(), 0);
  EXPECT_EQ(progress.Value(), 100);  // four blocks against two expected, at most 100
  EXPECT_TRUE(tp.LogHas("readData: Kormet output section.count (POINTDATA FOUND) is: 11"));
  EXPECT_TRUE(tp.op.Messages().empty());

  const auto work = ReadAll(tp.File("tmpwrk.txt"));
  ASSERT_TRUE(work);
  EXPECT_EQ(work->substr(0, 13), "Header line\r\n");
}

TEST_F(ReadData, NeedsOneBlockOfMoreThanTenPoints) {
  EXPECT_FALSE(Read("POINTDATA\n" + Block(10, 1.0) + "POINTDATA\n" + Block(10, 2.0)));
  EXPECT_EQ(tp.op.Messages(), std::vector<std::string>{NotFound()});
  EXPECT_FALSE(progress.visible);
  EXPECT_EQ(progress.closes, 1);

  tp.op.Clear();
  EXPECT_TRUE(Read("POINTDATA\n" + Block(10, 1.0) + "POINTDATA\n" + Block(11, 2.0)));
  EXPECT_FALSE(Read(Block(20, 1.0)));  // no marker line at all
}

TEST_F(ReadData, GermanMarkerWord) {
  tp.Write("zantrel.ini", "Language = 4");
  EXPECT_FALSE(Read("PointData\n" + Block(11, 1.0)));
  EXPECT_EQ(tp.op.Messages(), std::vector<std::string>{NotFound()});
  const auto set = Read("Punktinfo\n" + Block(11, 1.0));
  ASSERT_TRUE(set);
  EXPECT_EQ(set->Count(), 1);
  tp.Write("zantrel.ini", "Language = 1");
  EXPECT_TRUE(Read("PointData\n" + Block(11, 1.0)));
}

TEST_F(ReadData, ExpectedCountBelowOneCountsAsOne) {
  const auto set = Read("POINTDATA\n" + Block(11, 1.0), 0);
  ASSERT_TRUE(set);
  EXPECT_EQ(progress.Value(), 50);
}

TEST_F(ReadData, BadNumberFailsNamingFileAndLine) {
  EXPECT_FALSE(Read("POINTDATA\n" + Block(11, 1.0) + "P12 1.0 2,x 3.0 0 0 1 0.05\n"));
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  EXPECT_EQ(tp.op.Messages()[0], "Point line with a word that is not a number in: " + path +
                                     ", line 13: P12 1.0 2,x 3.0 0 0 1 0.05");
  EXPECT_FALSE(progress.visible);
}

TEST_F(ReadData, MissingReport) {
  path = tp.File("none.rtf").string();
  EXPECT_FALSE(readData(plain, path, 2, progress));
  EXPECT_EQ(tp.op.Messages(), std::vector<std::string>{NotFound()});
}

TEST_F(ReadData, RichTextReport) {
  std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Courier New;}}\\f0\\fs20 POINTDATA\\par\n";
  for (int n = 1; n <= 11; ++n) {
    rtf += "P" + std::to_string(n) + "\\tab " + std::to_string(n) + ".5 2.0 3.0 0 0 1 0.01\\par\n";
  }
  rtf += "}";
  path = tp.Write("blade.rtf", rtf).string();
  RtfRichText richText;
  const auto set = readData(richText, path, 2, progress);
  ASSERT_TRUE(set);
  ASSERT_EQ(set->Item(1).Count(), 11);
  EXPECT_EQ(set->Item(1).Item(11).x, 11.5);
}

}  // namespace
}  // namespace zantrel
