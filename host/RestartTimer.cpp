#include "host/RestartTimer.h"

#include "foundation/Context.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "platform/Clock.h"

namespace zantrel {

void RestartTimer::Enable() {
  enabled_ = true;
  counterMs_ = 0;
  lastTick_.reset();
}

int RestartTimer::LimitMs() const {
  long long seconds = NumberOr(ReadIniKey(settingsFile_, "RestartTime"), 5);
  if (seconds < 0) seconds = 0;
  if (seconds > 24 * 3600) seconds = 24 * 3600;
  return static_cast<int>(seconds * 1000);
}

void RestartTimer::Tick() {
  if (!enabled_) return;
  counterMs_ += kIntervalMs;
  if (counterMs_ > LimitMs()) enabled_ = false;
}

void RestartTimer::Service(std::chrono::system_clock::time_point now) {
  if (!enabled_) return;
  if (!lastTick_) {
    lastTick_ = now;
    return;
  }
  const auto interval = std::chrono::milliseconds(kIntervalMs);
  while (enabled_ && now - *lastTick_ >= interval) {
    *lastTick_ += interval;
    Tick();
  }
}

void RestartTimer::WaitRestartDelay() {
  Clock& clock = *Ctx().platform.clock;
  Enable();
  Service(clock.Now());
  clock.WaitWhile(
      [&] {
        Service(clock.Now());
        return enabled_;
      },
      Clock::Ms(-1), Clock::Ms(100));
}

}  // namespace zantrel
