#pragma once
// Real time; waits let Qt's events run.
#include "platform/Clock.h"

namespace zantrel {

class QtClock : public Clock {
 public:
  std::chrono::system_clock::time_point Now() override;
  void Sleep(Ms duration) override;
  void ProcessEvents() override;
  void Wait(Ms duration) override;
  bool WaitWhile(const std::function<bool()>& condition, Ms timeout, Ms poll) override;
};

}  // namespace zantrel
