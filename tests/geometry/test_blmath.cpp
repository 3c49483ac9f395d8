#include <gtest/gtest.h>

#include "GeometryTest.h"
#include "geometry/blMath.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

using test::Section;

struct AngleCase {
  double xFrom, xTo, yFrom, yTo, angle;
};

TEST(LineAngle, QuadrantsAndAxes) {
  TestPlatform tp;
  const AngleCase cases[] = {
      {0, 1, 0, 1, 45},   {0, -1, 0, 1, 135}, {0, -1, 0, -1, 225},
      {0, 1, 0, -1, 315}, {0, 0, 0, 2, 90},   {0, 0, 0, -2, 270},
      {0, 3, 0, 0, 0},    {0, -3, 0, 0, 180}, {1, 1 + std::sqrt(3.0), 1, 2, 30},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(LineAngle(c.xFrom, c.xTo, c.yFrom, c.yTo), c.angle, 1e-9)
        << c.xFrom << "," << c.xTo << "," << c.yFrom << "," << c.yTo;
  }
  EXPECT_TRUE(tp.LogHas("LineAngle: 135"));
  EXPECT_FALSE(tp.LogHas("Point input was 0,0"));
  EXPECT_EQ(LineAngle(0, 0, 0, 0), 0);
  EXPECT_TRUE(tp.LogHas("LineAngle: Point input was 0,0, zero angle returned."));
}

TEST(ClosestPoints, SkipTheQueryPointAndPreferLowerNumbers) {
  TestPlatform tp;
  const ijk s = Section({{0, 0}, {3, 0}, {1, 0}, {0, 1}, {5, 5}});
  EXPECT_EQ(ClosestXY(s, 0, 0), 3);  // point 1 lies on the query point; 3 and 4 tie
  EXPECT_EQ(ClosestXY(s, 4.9, 5), 5);
  EXPECT_EQ(ClosestXY(s, 20000, 0), 0);  // nothing nearer than 9999
  EXPECT_TRUE(tp.LogHas("ClosestXY found: 0 at distance: 9999"));

  long point = -1;
  double distance = -1;
  CClosestXY(s, 0, 0, point, distance);  // starts from point 1 even at distance 0
  EXPECT_EQ(point, 1);
  EXPECT_EQ(distance, 0);
  CClosestXY(s, 2.9, 0, point, distance);
  EXPECT_EQ(point, 2);
  EXPECT_NEAR(distance, 0.1, 1e-12);

  EXPECT_EQ(MinX(Section({{3, 0}, {1, 0}, {2, 0}, {1, 0}})), 2);
}

TEST(ClosestPoints, EmptySectionsGiveNoPoint) {
  TestPlatform tp;
  const ijk empty;
  EXPECT_EQ(ClosestXY(empty, 0, 0), 0);
  EXPECT_EQ(MinX(empty), 0);
  long point = 5;
  double distance = 5;
  CClosestXY(empty, 0, 0, point, distance);
  EXPECT_EQ(point, 0);
  EXPECT_TRUE(tp.LogHas("MinX: section has no points."));
  EXPECT_TRUE(tp.LogHas("CClosestXY: section has no points."));
}

// Twelve points round an ellipse, point 1 at the left end; point 12 lies a little farther out
// than point 1, so a nose search that looked at it would move the nose.
ijk Twelve() {
  ijk s;
  for (int m = 0; m < 12; ++m) {
    const double a = 3.14159265358979 + m * 3.14159265358979 / 6;
    const double stretch = m == 11 ? 1.3 : 1.0;
    s.Add(5 * std::cos(a) * stretch, 1 * std::sin(a) * stretch, 0);
  }
  return s;
}

TEST(GetNoseTail, TwelvePointsWithTheNoseGiven) {
  TestPlatform tp;
  const ijk s = Twelve();
  long nose = 1, tail = 0;
  GetNoseTail(s, nose, tail);
  EXPECT_EQ(nose, 1);  // its window 9..5 is empty
  EXPECT_EQ(tail, 7);
  EXPECT_TRUE(tp.LogHas("GetNoseTail: Nose known or suggested, find tail."));
  EXPECT_TRUE(tp.LogHas("GetNoseTail found Nose: 1, Tail: 7"));
}

TEST(GetNoseTail, FindsBothOrTheNoseFromTheTail) {
  TestPlatform tp;
  ijk s;
  for (int m = 0; m < 30; ++m) {
    const double a = m * 2 * 3.14159265358979 / 30;  // point 1 at the right end
    s.Add(4 * std::cos(a), std::sin(a), 0);
  }
  long nose = 0, tail = 0;
  GetNoseTail(s, nose, tail);
  EXPECT_EQ(nose, 16);  // smallest x
  EXPECT_EQ(tail, 1);
  nose = 0;
  tail = 1;
  GetNoseTail(s, nose, tail);
  EXPECT_EQ(nose, 16);
  EXPECT_TRUE(tp.LogHas("GetNoseTail: Tail known, find nose."));

  ijk two = Section({{0, 0}, {1, 0}});
  nose = 2;
  tail = 0;
  GetNoseTail(two, nose, tail);
  EXPECT_EQ(nose, 2);
  EXPECT_EQ(tail, 0);
}

TEST(sReorder, RenumbersFromTheNoseAndMovesTheOtherNumbers) {
  TestPlatform tp;
  ijk s;
  for (int m = 1; m <= 8; ++m) s.Add(m, 0, 0, 0, 0, 0, m * 0.1, m * 0.2);
  long nose = 5, nose1 = 6, nose2 = 12, tail = 7, tail1 = 0, tail2 = 1;
  sReorder(s, nose, nose1, nose2, tail, tail1, tail2);
  const double expected[] = {5, 6, 7, 8, 1, 2, 3, 4};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(s.Item(k).x, expected[k - 1]) << k;
  EXPECT_DOUBLE_EQ(s.Item(1).utol, 1.0);  // all eight fields travel
  EXPECT_EQ(nose, 1);
  EXPECT_EQ(tail, 3);
  EXPECT_EQ(nose1, 2);
  EXPECT_EQ(nose2, 0);  // outside 1..8
  EXPECT_EQ(tail1, 0);
  EXPECT_EQ(tail2, 5);
  EXPECT_TRUE(tp.LogHas("sReorder: output nose: 1 output tail: 3"));
}

TEST(RevSec, ReversesAndClearsTolerances) {
  TestPlatform tp;
  ijk s;
  s.Add(1, 0, 0, 0, 0, 1, 0.5, 0.5);
  s.Add(2, 0, 0);
  s.Add(3, 0, 0);
  RevSec(s);
  EXPECT_EQ(s.Item(1).x, 3);
  EXPECT_EQ(s.Item(3).x, 1);
  EXPECT_EQ(s.Item(3).k, 1);
  EXPECT_EQ(s.Item(3).ltol, 0);
}

TEST(GetArcPt, PercentagesAlongBothSides) {
  TestPlatform tp;
  // CC side along y = 0 to the tail at point 5, CV side back along y = 1.
  const ijk s = Section({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {3, 1}, {2, 1}, {1, 1}, {0, 1}});
  std::vector<long> result;
  GetArcPt(s, {"A-A", "0", "25", "50", "75", "100", "101", "10"}, 1, 5, result);
  EXPECT_EQ(result, (std::vector<long>{1, 3, 5, 7, 9}));
  EXPECT_EQ(tp.op.Messages(),
            std::vector<std::string>{"Error in airfoil definition file, percentage read as 101."});
  EXPECT_TRUE(tp.LogHas("GetArcPt: Point to point arc of airfoil section CC side is: 4"));
}

TEST(ClosestForwardPt, RejectsPointsBehindAndSideways) {
  TestPlatform tp;
  // Walking from (0, 0) through (1, 0).
  const ijk s = Section({{0.9, 0.05}, {1.0, 0.3}, {2.5, 2.0}, {1.5, 0.1}});
  double angle = -1;
  EXPECT_EQ(ClosestForwardPt(s, 0, 1, 0, 0, angle, 45), 4);
  EXPECT_NEAR(angle, RadToDeg(std::atan(0.2)), 1e-9);
  EXPECT_TRUE(tp.LogHas("ClosestForwardPt Failed Angle: 1 at distance:"));
  EXPECT_TRUE(tp.LogHas("ClosestForwardPt Failed Angle: 2 at distance:"));
  // Only points behind: none.
  angle = -1;
  EXPECT_EQ(ClosestForwardPt(Section({{0.5, 0}, {-1, 0}}), 0, 1, 0, 0, angle, 45), 0);
  EXPECT_EQ(angle, -1);
  // The last remaining point is a candidate too.
  EXPECT_EQ(ClosestForwardPt(Section({{2, 0}}), 0, 1, 0, 0, angle, 45), 1);
}

TEST(ListRoutines, SortAscendingAndPopMinimum) {
  std::vector<double> list{3, 1, 2};
  EXPECT_EQ(SortAscending(list), (std::vector<double>{1, 2, 3}));
  EXPECT_TRUE(list.empty());
  std::vector<double> big{2e9, 5, 1e12, -3};
  EXPECT_EQ(SortAscending(big), (std::vector<double>{-3, 5, 2e9, 1e12}));
  std::vector<double> pop{4, 2, 7, 2};
  EXPECT_EQ(PopMinimum(pop), 2);
  EXPECT_EQ(pop, (std::vector<double>{4, 7, 2}));
  std::vector<double> empty;
  EXPECT_EQ(PopMinimum(empty), 999999999);
}

}  // namespace
}  // namespace zantrel
