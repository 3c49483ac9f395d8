#pragma once
// The main window's restart delay timer: 1000 ms ticks that add up in the restart wait counter
// until the counter passes RestartTime seconds, when the timer switches itself off.
#include <chrono>
#include <filesystem>
#include <optional>

namespace zantrel {

class RestartTimer {
 public:
  static constexpr int kIntervalMs = 1000;

  // The settings file is read at every tick for RestartTime.
  explicit RestartTimer(const std::filesystem::path& settingsFile) : settingsFile_(settingsFile) {}

  // Enables the timer and clears the wait counter.
  void Enable();
  bool Enabled() const { return enabled_; }
  int Counter() const { return counterMs_; }

  // One tick: adds the interval, disables the timer once the counter exceeds the limit.
  void Tick();
  // Fires the ticks that are due by this time; a window timer or a wait loop calls it, each
  // interval is counted once however often it is called.
  void Service(std::chrono::system_clock::time_point now);

  // Waits, processing events, until the timer has switched itself off (the restart delay).
  void WaitRestartDelay();

  // RestartTime in milliseconds; empty or not a number gives 5 seconds.
  int LimitMs() const;

 private:
  const std::filesystem::path& settingsFile_;
  bool enabled_ = true;
  int counterMs_ = 0;
  std::optional<std::chrono::system_clock::time_point> lastTick_;
};

}  // namespace zantrel
