#include <gtest/gtest.h>

#include <cmath>

#include "GeometryTest.h"
#include "geometry/SecSort.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

using test::Circle;
using test::CircleIndex;
using test::Scrambled;
using test::Section;

// Whether the section runs round the circle one neighbour at a time, in one direction.
bool RunsRound(const ijk& s, int n) {
  if (s.Count() != n) return false;
  const int step = (CircleIndex(s.Item(2), n) - CircleIndex(s.Item(1), n) + n) % n;
  if (step != 1 && step != n - 1) return false;
  for (long m = 2; m <= s.Count(); ++m) {
    if ((CircleIndex(s.Item(m), n) - CircleIndex(s.Item(m - 1), n) + n) % n != step) return false;
  }
  return true;
}

TEST(SecSort, ScrambledCircleComesOutInOrderFromAnyStart) {
  TestPlatform tp(0);
  for (long start : {1, 2, 17, 36}) {
    ijk s = Circle(36, 10, Scrambled(36));
    s.Item(5).ltol = 0.3;
    const points first = s.Item(start);
    MemoryProgress progress;
    SecSort(s, start, progress);
    EXPECT_TRUE(RunsRound(s, 36)) << "start " << start;
    EXPECT_EQ(s.Item(1).x, first.x);
    for (const points& p : s) EXPECT_EQ(p.ltol, 0);
    EXPECT_EQ(progress.Value(), 100);
  }
}

TEST(SecSort, ACoincidentPointIsPlacedLater) {
  TestPlatform tp(0);
  ijk s = Section({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 0}});
  MemoryProgress progress;
  SecSort(s, 1, progress);
  const double xs[] = {0, 1, 2, 3, 1};
  ASSERT_EQ(s.Count(), 5);
  for (int m = 1; m <= 5; ++m) EXPECT_EQ(s.Item(m).x, xs[m - 1]) << m;
}

TEST(SecSort, KeepsPointsWithNoNearerNeighbour) {
  TestPlatform tp(0);
  // All remaining points on the last one, or 9999 and more away: the next in order is taken.
  for (ijk s : {Section({{1, 1}, {1, 1}, {1, 1}}), Section({{0, 0}, {20000, 0}, {0, 30000}})}) {
    MemoryProgress progress;
    SecSort(s, 1, progress);
    EXPECT_EQ(s.Count(), 3);
  }
  ijk far = Section({{0, 0}, {20000, 0}, {0, 30000}});
  MemoryProgress progress;
  SecSort(far, 1, progress);
  EXPECT_EQ(far.Item(2).x, 20000);
  EXPECT_EQ(far.Item(3).y, 30000);
}

TEST(FullSecSort, FollowsSecSortWhenEveryStepLiesAhead) {
  TestPlatform tp;
  for (long start : {1, 9, 30}) {
    ijk simple = Circle(36, 10, Scrambled(36));
    ijk full = simple;
    MemoryProgress progress;
    SecSort(simple, start, progress);
    FullSecSort(full, start, progress);
    ASSERT_EQ(full.Count(), simple.Count()) << "start " << start;
    for (long m = 1; m <= full.Count(); ++m) {
      EXPECT_EQ(full.Item(m).x, simple.Item(m).x) << "start " << start << " point " << m;
      EXPECT_EQ(full.Item(m).y, simple.Item(m).y);
    }
    EXPECT_FALSE(tp.LogHas("Test Angle is: 89"));
  }
}

}  // namespace
}  // namespace zantrel

namespace zantrel {
namespace {

using test::Circle;
using test::CircleIndex;
using test::Scrambled;
using test::Section;

TEST(FullSecSort, DropsAnOutlierOffTheProfile) {
  TestPlatform tp;
  ijk s = Circle(36, 10, Scrambled(36));
  const double a = 120 * 3.14159265358979 / 180;
  s.Add(12 * std::cos(a), 12 * std::sin(a), 1);
  MemoryProgress progress;
  FullSecSort(s, 1, progress);
  ASSERT_GE(s.Count(), 34);
  for (const points& p : s) EXPECT_NEAR(std::hypot(p.x, p.y), 10, 1e-9);
  for (long m = 2; m <= s.Count(); ++m) {
    const int step = (CircleIndex(s.Item(m), 36) - CircleIndex(s.Item(m - 1), 36) + 36) % 36;
    EXPECT_TRUE(step == 1 || step == 35) << m;
  }
  EXPECT_TRUE(tp.LogHas("FullSecSort: Removing"));
  EXPECT_TRUE(tp.LogHas("Test Angle is: 89"));  // only after both 45 degree attempts failed
}

TEST(FullSecSort, KeepsItsTwoStartPoints) {
  TestPlatform tp(0);
  // After the first two points every remaining one lies behind the walking direction.
  ijk s = Section({{0, 0}, {1, 0}, {-1, 0.5}, {-2, 0.5}});
  MemoryProgress progress;
  FullSecSort(s, 1, progress);
  ASSERT_EQ(s.Count(), 4);
  EXPECT_EQ(s.Item(1).x, 0);
  EXPECT_EQ(s.Item(2).x, 1);
  EXPECT_EQ(s.Item(3).x, -1);
  EXPECT_EQ(s.Item(4).x, -2);

  ijk one = Section({{5, 5}});
  FullSecSort(one, 1, progress);
  EXPECT_EQ(one.Count(), 1);
  ijk bad = Section({{5, 5}, {6, 6}});
  SecSort(bad, 3, progress);  // no such start point: left as it was
  EXPECT_EQ(bad.Item(1).x, 5);
}

}  // namespace
}  // namespace zantrel
