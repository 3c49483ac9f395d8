#include "platform/testing/TestClock.h"

#include <ctime>

namespace zantrel {

TestClock::TestClock() {
  std::tm tm{};
  tm.tm_year = 2026 - 1900;
  tm.tm_mon = 2;
  tm.tm_mday = 4;
  tm.tm_hour = 5;
  tm.tm_min = 6;
  tm.tm_sec = 7;
  tm.tm_isdst = -1;
  now_ = std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

void TestClock::ProcessEvents() {
  // Copy: a handler may add another.
  auto handlers = handlers_;
  for (auto& h : handlers) h();
}

void TestClock::Wait(Ms duration) {
  Advance(duration);
  ProcessEvents();
}

bool TestClock::WaitWhile(const std::function<bool()>& condition, Ms timeout, Ms poll) {
  if (poll <= Ms(0)) poll = Ms(1);
  Ms waited{0};
  while (condition()) {
    if (timeout >= Ms(0) && waited >= timeout) return false;
    // Without a limit, a condition nothing can change would spin forever in virtual time.
    if (timeout < Ms(0) && waited >= Ms(24 * 3600 * 1000)) return false;
    Advance(poll);
    waited += poll;
    ProcessEvents();
  }
  return true;
}

}  // namespace zantrel
