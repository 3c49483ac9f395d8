#pragma once
// The main window's two receivers of the host's events: AppEvents (always connected, the end
// of a routine and the cancel flag) and AppEventsKormet (debug level 10 and up, every step).
#include <memory>

#include "host/HostState.h"

namespace zantrel {

class HostEvents {
 public:
  explicit HostEvents(HostState& state);
  ~HostEvents();
  HostEvents(const HostEvents&) = delete;
  HostEvents& operator=(const HostEvents&) = delete;

  // Connects to the ApplicationEvents of the state's host application.
  void AttachEvents();
  void DetachEvents();
  bool Connected() const { return AppEvents_ != nullptr; }
  bool DetailedConnected() const { return AppEventsKormet_ != nullptr; }

  // Delivers events that have arrived while no host call or Qt wait was running.
  void DeliverPending();

 private:
  class EndReceiver;
  class DetailReceiver;

  HostState& state_;
  std::unique_ptr<EndReceiver> endReceiver_;
  std::unique_ptr<DetailReceiver> detailReceiver_;
  std::shared_ptr<host::EventSource> AppEvents_;
  std::shared_ptr<host::EventSource> AppEventsKormet_;
};

}  // namespace zantrel
