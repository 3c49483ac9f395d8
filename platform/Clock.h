#pragma once
// Time and waiting. Every wait of the system goes through here so tests run on virtual time.
#include <chrono>
#include <functional>

namespace zantrel {

class Clock {
 public:
  using Ms = std::chrono::milliseconds;
  virtual ~Clock() = default;

  // Wall-clock time for time stamps, dates and file names.
  virtual std::chrono::system_clock::time_point Now() = 0;
  // Blocking sleep: nothing else runs.
  virtual void Sleep(Ms duration) = 0;
  // Lets pending window events, timer ticks and host events run once.
  virtual void ProcessEvents() = 0;
  // Waits the duration while processing events.
  virtual void Wait(Ms duration) = 0;
  // Waits while the condition holds, processing events, checking every poll interval.
  // Returns true when the condition ended, false when the timeout ran out first.
  // A negative timeout waits without limit.
  virtual bool WaitWhile(const std::function<bool()>& condition, Ms timeout, Ms poll) = 0;
};

}  // namespace zantrel
