#pragma once
// Virtual time: waits advance it at once, so a 5-second wait costs nothing.
#include <functional>
#include <vector>

#include "platform/Clock.h"

namespace zantrel {

class TestClock : public Clock {
 public:
  TestClock();  // starts at 2026-03-04 05:06:07 local time
  std::chrono::system_clock::time_point Now() override { return now_; }
  void Sleep(Ms duration) override { Advance(duration); }
  void ProcessEvents() override;
  void Wait(Ms duration) override;
  bool WaitWhile(const std::function<bool()>& condition, Ms timeout, Ms poll) override;

  void Set(std::chrono::system_clock::time_point when) { now_ = when; }
  void Advance(Ms duration) {
    now_ += duration;
    slept_ += duration;
  }
  // Total virtual time spent waiting and sleeping.
  Ms Slept() const { return slept_; }
  // Called at every ProcessEvents: stands in for window events and timers.
  void OnEvents(std::function<void()> handler) { handlers_.push_back(std::move(handler)); }

 private:
  std::chrono::system_clock::time_point now_;
  Ms slept_{0};
  std::vector<std::function<void()>> handlers_;
};

}  // namespace zantrel
