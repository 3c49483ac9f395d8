#include "platform/qt/QtClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <thread>

namespace zantrel {

std::chrono::system_clock::time_point QtClock::Now() {
  return std::chrono::system_clock::now();
}

void QtClock::Sleep(Ms duration) {
  if (duration.count() > 0) std::this_thread::sleep_for(duration);
}

void QtClock::ProcessEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtClock::Wait(Ms duration) {
  if (!QCoreApplication::instance()) {
    Sleep(duration);
    return;
  }
  if (duration.count() <= 0) {
    ProcessEvents();
    return;
  }
  QEventLoop loop;
  QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

bool QtClock::WaitWhile(const std::function<bool()>& condition, Ms timeout, Ms poll) {
  using Steady = std::chrono::steady_clock;
  const auto start = Steady::now();
  const Ms step = std::max(poll, Ms(1));
  for (;;) {
    if (!condition()) return true;
    if (timeout.count() >= 0) {
      const auto spent = std::chrono::duration_cast<Ms>(Steady::now() - start);
      if (spent >= timeout) return false;
      Wait(std::min(step, timeout - spent));
    } else {
      Wait(step);
    }
  }
}

}  // namespace zantrel
