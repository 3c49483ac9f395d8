#include <gtest/gtest.h>

#include "geometry/nReadPts.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

TEST(ReadTXTBlade, PointNumbersAndNumberCounts) {
  TestPlatform tp;
  const auto path = tp.Write("blade.pts",
                             "! comment 1 2 3\n"
                             "$$ also a comment 1.0 2.0 3.0\n"
                             "\n"
                             "5 1.25 2.5 0.75\n"  // point number dropped
                             "1.25 2.5 0.75\n"
                             "12 25 7\n"                    // two numbers after the number
                             "X Y Z\n"                      // no numbers
                             "1.0 2.0\n"                    // fewer than 3 words
                             "P7 1.0 2.0 3.0 0.5 0.5\n"     // 5 numbers: x y z i j
                             "1.0 2.0 3.0 0 0 1 99\n"       // 7: the seventh ignored
                             "1.0 2.0 3.0 0 0 1 0.1 0.2\n"  // 8: both tolerances
                             "1.0 2.0 3.0 0 0 1 0.1 0.2 0.3 0.4\n");  // 10: not added
  const ijk s = ReadTXTBlade(path.string());
  ASSERT_EQ(s.Count(), 5);
  EXPECT_EQ(s.Item(1).x, 1.25);
  EXPECT_EQ(s.Item(1).y, 2.5);
  EXPECT_EQ(s.Item(1).z, 0.75);
  EXPECT_EQ(s.Item(2).x, 1.25);
  EXPECT_EQ(s.Item(3).i, 0.5);
  EXPECT_EQ(s.Item(3).j, 0.5);
  EXPECT_EQ(s.Item(3).k, 0);
  EXPECT_EQ(s.Item(4).k, 1);
  EXPECT_EQ(s.Item(4).ltol, 0);
  EXPECT_EQ(s.Item(5).ltol, 0.1);
  EXPECT_EQ(s.Item(5).utol, 0.2);
  EXPECT_TRUE(tp.LogHas("ReadTXTBlade: Data NOT added: Line: 12 25 7"));
  EXPECT_TRUE(tp.LogHas("ReadTXTBlade: Data added: Line: 5 1.25 2.5 0.75"));
  EXPECT_TRUE(tp.LogHas("ReadTXTBlade: Line read: ! comment 1 2 3"));
  EXPECT_FALSE(tp.LogHas("Detected Kormet generic export file."));
}

TEST(ReadTXTBlade, GenericExportSkipsSevenWordLines) {
  TestPlatform tp;
  const auto path = tp.Write("export.txt",
                             "HITS 3\n"
                             "PNT1 = 1.0 2.0 3.0 0 0 1\n"  // 7 words: skipped
                             "1 1.0 2.0 3.0 0 0 1\n"       // 7 words: skipped
                             "2 4.0 5.0 6.0\n");
  const ijk s = ReadTXTBlade(path.string());
  ASSERT_EQ(s.Count(), 1);
  EXPECT_EQ(s.Item(1).x, 4.0);
  EXPECT_TRUE(tp.LogHas("Detected Kormet generic export file."));
}

TEST(ReadTXTBlade, CommaDecimalsAndMissingFile) {
  TestPlatform tp;
  tp.context.decimalSymbol = ',';
  const auto path = tp.Write("blade.pts", "1,25 2,5 0,75\n3 1,5 2,5 0,5\n");
  const ijk s = ReadTXTBlade(path.string());
  ASSERT_EQ(s.Count(), 2);
  EXPECT_EQ(s.Item(1).x, 1.25);
  EXPECT_EQ(s.Item(2).x, 1.5);
  EXPECT_EQ(ReadTXTBlade(tp.File("none.pts").string()).Count(), 0);
}

}  // namespace
}  // namespace zantrel
