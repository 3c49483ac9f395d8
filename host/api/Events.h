#pragma once
// The host's event interface. The host reports the steps of a routine run to every client that
// has a listener attached; the binding calls the listener on the client's one thread, while a
// host call (EXECUTE above all) or an event-processing wait is in progress. A listener may call
// the host from a handler (for example to hide it); it must not start another routine.
#include <string>

namespace zantrel::host {

// The routine an event is about (its dispatch member 6 is the name).
struct EventRoutine {
  std::string name;      // "BLADE.PRG"
  std::string fullName;  // the routine's path
};

// The command an event is about (its dispatch member 78 is the text).
struct EventCommand {
  int index = 0;     // 1-based position in the routine's commands
  std::string id;    // the command's ID, empty for most commands
  long type = 0;     // the command's Type number
  std::string text;  // the command as the host shows it
};

// Termination types of OnEndExecution.
inline constexpr int kEndNormal = 1;
inline constexpr int kEndCancelled = 2;
// Status text of an operator cancel (compare without regard to case).
inline constexpr const char* kCanceledStatus = "Execute Mode Canceled";

// Attach a subclass to the host's EventSource; override the events you need.
class EventListener {
 public:
  virtual ~EventListener() = default;
  // type: kEndNormal, kEndCancelled, or another number for another cause.
  virtual void OnEndExecution(const EventRoutine& /*routine*/, int /*terminationType*/) {}
  virtual void OnStartExecution(const EventRoutine& /*routine*/) {}
  virtual void OnOpenPartProgram(const EventRoutine& /*routine*/) {}
  virtual void OnClosePartProgram(const EventRoutine& /*routine*/) {}
  virtual void OnObjectAboutToExecute(const EventRoutine& /*routine*/,
                                      const EventCommand& /*command*/) {}
  virtual void OnObjectExecuted(const EventRoutine& /*routine*/, const EventCommand& /*command*/) {}
  virtual void OnAddObject(const EventRoutine& /*routine*/, const EventCommand& /*command*/) {}
  virtual void OnUpdateStatusMessage(const std::string& /*text*/) {}
};

// ApplicationEvents. A listener receives events from Attach until Detach; detach it before it
// is destroyed. Attaching the same listener twice delivers each event once.
class EventSource {
 public:
  virtual ~EventSource() = default;
  virtual void Attach(EventListener* listener) = 0;
  virtual void Detach(EventListener* listener) = 0;
  // Delivers the events that have already arrived. Waits that run the Qt event loop deliver
  // them anyway; a wait that does not (a test clock) calls this.
  virtual void DeliverPending() = 0;
};

}  // namespace zantrel::host
