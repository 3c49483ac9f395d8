#include <gtest/gtest.h>

#include "GeometryTest.h"
#include "geometry/ReadLaser.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

class ReadLaser : public ::testing::Test {
 protected:
  std::optional<SectionSet> Read(long& expected) {
    return readDataLaser(plain, "unused.rtf", expected, progress);
  }
  TestPlatform tp;
  test::PlainText plain;
  MemoryProgress progress;
};

TEST_F(ReadLaser, OnePairPerFile) {
  tp.Write("Section1.xyz",
           "X Y\n"  // 2 words: header
           "1.0 2.0 3.0\n"
           "\n"
           "1.5 2.5 3.0 0 0 1\n"  // vector read over
           "5 1.0 2.0 3.0\n"      // 4 words: skipped, no point number here
           "1 2 3 4 5\n"
           "2.0 3.0 3.0\n");
  tp.Write("Section2.xyz", "7 8 9\n");  // a single point: the rest is empty
  tp.Write("Section3.xyz", "header only\n");
  long expected = 6;
  const auto set = Read(expected);
  ASSERT_TRUE(set);
  EXPECT_EQ(expected, 3);
  ASSERT_EQ(set->Count(), 6);
  ASSERT_EQ(set->Item(1).Count(), 1);
  EXPECT_EQ(set->Item(1).Item(1).x, 1.0);
  ASSERT_EQ(set->Item(2).Count(), 2);
  EXPECT_EQ(set->Item(2).Item(1).x, 1.5);
  EXPECT_EQ(set->Item(2).Item(1).k, 0);
  EXPECT_EQ(set->Item(2).Item(2).x, 2.0);
  EXPECT_EQ(set->Item(3).Count(), 1);
  EXPECT_EQ(set->Item(4).Count(), 0);
  EXPECT_EQ(set->Item(5).Count(), 0);
  EXPECT_EQ(set->Item(6).Count(), 0);
  EXPECT_TRUE(tp.LogHas("readDataLaser: No point line in " + tp.File("Section3.xyz").string()));
  EXPECT_EQ(progress.Value(), 100);
  EXPECT_TRUE(progress.visible);
  EXPECT_EQ(progress.caption, "Processing Laser measured data...");
}

TEST_F(ReadLaser, HalvesTheCountToEven) {
  for (int n = 1; n <= 4; ++n) tp.Write("Section" + std::to_string(n) + ".xyz", "1 2 3\n");
  const long cases[][2] = {{2, 1}, {3, 2}, {4, 2}, {5, 2}, {6, 3}, {7, 4}};
  for (const auto& c : cases) {
    long expected = c[0];
    const auto set = Read(expected);
    ASSERT_TRUE(set) << c[0];
    EXPECT_EQ(expected, c[1]);
    EXPECT_EQ(set->Count(), 2 * c[1]);
  }
}

TEST_F(ReadLaser, MissingFileFailsNamingIt) {
  tp.Write("Section1.xyz", "1 2 3\n");
  long expected = 4;
  EXPECT_FALSE(Read(expected));
  EXPECT_EQ(tp.op.Messages(),
            std::vector<std::string>{"Error: File not found " + tp.File("Section2.xyz").string() +
                                     " laser section data file."});
  EXPECT_FALSE(progress.visible);
}

TEST_F(ReadLaser, ThreeWordHeaderIsABadNumber) {
  tp.Write("Section1.xyz", "X Y Z\n1 2 3\n");
  long expected = 2;
  EXPECT_FALSE(Read(expected));
  EXPECT_EQ(tp.op.Messages(),
            std::vector<std::string>{"Point line with a word that is not a number in: " +
                                     tp.File("Section1.xyz").string() + ", line 1: X Y Z"});
}

TEST_F(ReadLaser, SinglePrecisionAndTooFewExpected) {
  tp.Write("Section1.xyz", "12.3456789 0 0\n");
  long expected = 2;
  const auto set = Read(expected);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->Item(1).Item(1).x, static_cast<double>(12.3456789f));
  for (long few : {1L, 0L, -4L}) {
    tp.op.Clear();
    long count = few;
    EXPECT_FALSE(Read(count));
    ASSERT_EQ(tp.op.Messages().size(), 1u);
    EXPECT_NE(tp.op.Messages()[0].find("at least 2"), std::string::npos);
  }
}

}  // namespace
}  // namespace zantrel
