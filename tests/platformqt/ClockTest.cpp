#include <gtest/gtest.h>

#include <QTimer>

#include "platform/qt/QtClock.h"

namespace zantrel {
namespace {

using Ms = std::chrono::milliseconds;

TEST(QtClock, WaitsLetEventsRun) {
  QtClock clock;
  bool fired = false;
  QTimer::singleShot(0, [&] { fired = true; });
  clock.Wait(Ms(20));
  EXPECT_TRUE(fired);

  fired = false;
  QTimer::singleShot(0, [&] { fired = true; });
  clock.ProcessEvents();
  EXPECT_TRUE(fired);
}

TEST(QtClock, WaitWhileEndsWithTheConditionOrTheTimeout) {
  QtClock clock;
  bool busy = true;
  QTimer::singleShot(5, [&] { busy = false; });
  EXPECT_TRUE(clock.WaitWhile([&] { return busy; }, Ms(-1), Ms(1)));
  EXPECT_FALSE(busy);

  EXPECT_FALSE(clock.WaitWhile([] { return true; }, Ms(10), Ms(2)));
  int asked = 0;
  EXPECT_TRUE(clock.WaitWhile([&] { return ++asked < 0; }, Ms(0), Ms(0)));
  EXPECT_EQ(asked, 1);  // a condition already over costs no wait
}

}  // namespace
}  // namespace zantrel
