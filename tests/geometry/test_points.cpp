#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "geometry/Points.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

TEST(Points, AddItemRemoveKeepPositionsContiguous) {
  ijk s;
  EXPECT_EQ(s.Count(), 0);
  s.Add(1, 0, 0);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.Item(1).x, 1);
  for (int n = 2; n <= 5; ++n) s.Add(n, 0, 0);
  s.Remove(2);
  EXPECT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Item(2).x, 3);  // former point 3
  EXPECT_EQ(s.Item(4).x, 5);
  EXPECT_THROW(s.Item(0), std::out_of_range);
  EXPECT_THROW(s.Item(5), std::out_of_range);
  EXPECT_THROW(s.Remove(5), std::out_of_range);
}

TEST(Points, AverageZAndItsEmptyError) {
  ijk s;
  EXPECT_THROW(s.AverageZ(), std::domain_error);
  s.Add(0, 0, 1);
  s.Add(0, 0, 2);
  s.Add(0, 0, 6);
  EXPECT_DOUBLE_EQ(s.AverageZ(), 3);
}

TEST(Points, CopySectionReplacesWithDeepCopiesAndClearsTolerances) {
  ijk source;
  source.Add(1, 2, 3, 0.1, 0.2, 0.3, 0.05, 0.07);
  source.Add(4, 5, 6, 0, 0, 1, 0.5, 0.6);
  ijk destination;
  for (int n = 0; n < 5; ++n) destination.Add(9, 9, 9);
  CopySection(destination, source);
  ASSERT_EQ(destination.Count(), 2);
  EXPECT_EQ(destination.Item(1).x, 1);
  EXPECT_EQ(destination.Item(1).k, 0.3);
  EXPECT_EQ(destination.Item(2).z, 6);
  for (const points& p : destination) {
    EXPECT_EQ(p.ltol, 0);
    EXPECT_EQ(p.utol, 0);
  }
  destination.Item(1).x = 100;
  EXPECT_EQ(source.Item(1).x, 1);
}

TEST(Points, PointLinesScaleCoordinatesOnly) {
  TestPlatform tp;
  ijk s;
  s.Add(1.5, -2.25, 0.000004, 0.6, -0.8, 0);
  std::ostringstream out;
  double factor = 25.4;
  WritePointLine(out, s, 1, "", false, factor);
  EXPECT_EQ(out.str(), "38.10000   -57.15000   0.00010   0.60000   -0.80000   0.00000   \r\n");

  double none = 0;
  EXPECT_EQ(PointLineText(s.Item(1), "END", true, none), "1.50000   -2.25000   0.00000   END");
  EXPECT_EQ(none, 1);  // written back

  tp.context.decimalSymbol = ',';
  EXPECT_EQ(FormatCoord(-0.5), "-0,50000");
  EXPECT_EQ(FormatCoord(12345.678901), "12345,67890");
}

}  // namespace
}  // namespace zantrel
