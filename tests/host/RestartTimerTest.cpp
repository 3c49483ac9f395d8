#include "host/RestartTimer.h"

#include <gtest/gtest.h>

#include <ostream>

#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

struct Case {
  const char* restartTime;  // nullptr: key absent
  int ticksUntilOff;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << (!c.restartTime ? "absent" : *c.restartTime ? c.restartTime : "empty");
}

class RestartTimerTest : public ::testing::TestWithParam<Case> {};

TEST_P(RestartTimerTest, SwitchesItselfOffOncePastTheLimit) {
  TestPlatform tp;
  const Case c = GetParam();
  tp.Write("zantrel.ini",
           c.restartTime ? std::string("RestartTime = ") + c.restartTime + " !seconds" : "");
  std::filesystem::path ini = tp.File("zantrel.ini");
  RestartTimer timer(ini);
  timer.Enable();
  int ticks = 0;
  while (timer.Enabled() && ticks < 1000) {
    timer.Tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, c.ticksUntilOff);
  EXPECT_EQ(timer.Counter(), c.ticksUntilOff * 1000);
}

INSTANTIATE_TEST_SUITE_P(RestartTime, RestartTimerTest,
                         ::testing::Values(Case{nullptr, 6}, Case{"", 6}, Case{"5", 6},
                                           Case{"2", 3}, Case{"0", 1}, Case{"abc", 6}));

TEST(RestartTimer, WaitEndsAfterTheSixthTickOnVirtualTime) {
  TestPlatform tp;
  std::filesystem::path ini = tp.Write("zantrel.ini", "RestartTime = 5");
  RestartTimer timer(ini);
  const auto before = tp.clock.Slept();
  timer.WaitRestartDelay();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Counter(), 6000);
  const auto waited = tp.clock.Slept() - before;
  EXPECT_GE(waited, std::chrono::milliseconds(6000));
  EXPECT_LT(waited, std::chrono::milliseconds(7000));
}

TEST(RestartTimer, ServiceCountsEachIntervalOnce) {
  TestPlatform tp;
  std::filesystem::path ini = tp.Write("zantrel.ini", "RestartTime = 10");
  RestartTimer timer(ini);
  timer.Enable();
  auto t = tp.clock.Now();
  timer.Service(t);
  timer.Service(t + std::chrono::milliseconds(2500));
  timer.Service(t + std::chrono::milliseconds(2500));
  timer.Service(t + std::chrono::milliseconds(2999));
  EXPECT_EQ(timer.Counter(), 2000);
  timer.Service(t + std::chrono::milliseconds(3000));
  EXPECT_EQ(timer.Counter(), 3000);
}

}  // namespace
}  // namespace zantrel
