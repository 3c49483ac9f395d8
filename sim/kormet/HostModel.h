#pragma once
// Everything the simulated host knows and does, apart from the wire and the window: open
// routines, the active one, a routine run step by step, application state, probes. Events go
// to the sink in the order a real host fires them.
#include <chrono>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/api/Events.h"
#include "sim/kormet/ProbeStore.h"
#include "sim/kormet/Routine.h"
#include "sim/kormet/SimConfig.h"

namespace zantrel::kormetsim {

class HostEvents {
 public:
  virtual ~HostEvents() = default;
  virtual void Fire(const std::string& event, const host::EventRoutine* routine,
                    const host::EventCommand* command, int terminationType,
                    const std::string& text) = 0;
};

// What the driver does after a step.
struct StepAction {
  enum class Kind { Continue, Wait, StartProgram, Crash, Hang, End };
  Kind kind = Kind::Continue;
  double seconds = 0;  // Wait, Hang
  std::string program;
  std::vector<std::string> args;
  bool waitForProgram = false;
  int termination = 0;  // End
};

// Termination type of a run stopped by a breakpoint or a failing command.
inline constexpr int kEndStopped = 3;

struct OpenRoutine {
  int uid = 0;
  Routine routine;
  std::string machine;
};

class HostModel {
 public:
  HostModel(SimConfig config, HostEvents& events);

  const SimConfig& Config() const { return config_; }
  // One line in the host's activity log.
  void Log(const std::string& line);
  std::string FullName() const;
  std::string Path() const;  // host folder with trailing separator
  bool Ready() const;
  long GetRegistryInt(const std::string& section, const std::string& key, long fallback) const;
  std::string GetRegistryString(const std::string& section, const std::string& key,
                                const std::string& fallback) const;
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool OperatorMode() const { return operatorMode_; }
  void SetOperatorMode(bool on);
  const std::string& StartupOptions() const { return startupOptions_; }

  // Routines. Open and Add give the uid, or 0 with the reason.
  int Open(const std::string& path, const std::string& machine, std::string& error);
  int Add(const std::string& name, long number, const std::string& machine,
          const std::string& fourth, std::string& error);
  OpenRoutine* Find(int uid);
  const std::list<OpenRoutine>& Routines() const { return routines_; }
  bool Close(int uid, std::string& error);
  bool CloseAll(std::string& error);
  int Active() const;  // 0: none
  bool SaveAs(int uid, const std::string& path, std::string& error);
  void SetPartName(int uid, const std::string& name);
  void SetSerialNumber(int uid, const std::string& serial);
  void ClearAllBreakpoints(int uid);

  // A run: Start, then Step until it returns End.
  bool Running() const { return run_.has_value(); }
  int RunningUid() const { return run_ ? run_->uid : 0; }
  // Empty, or why the run cannot start.
  std::string Start(int uid);
  StepAction Step();
  // The operator's Cancel: the next step ends the run.
  void RequestCancel();
  bool CancelPending() const { return cancelRequested_; }
  // A command could not be carried out by the driver (a program that does not start).
  StepAction Fail(const std::string& reason);
  // Text of the current run for the window: routine and command.
  std::string RunState() const;

  ProbeStore& Probes() { return probes_; }

  // ${NAME} replaced: HOST_DIR, ROUTINE_DIR, ROUTINE, the [Variables] of the configuration,
  // then the environment; an unknown name becomes empty.
  std::string Expand(const std::string& text, const Routine& routine) const;

 private:
  struct Run {
    int uid = 0;
    size_t pc = 0;
    bool awaiting = false;  // the current command waits; the next step finishes it
  };
  host::EventRoutine EventOf(const Routine& routine) const;
  host::EventCommand EventOf(const Routine& routine, size_t index) const;
  StepAction Finish(int termination);
  void Status(const std::string& text);

  SimConfig config_;
  HostEvents& events_;
  ProbeStore probes_;
  std::list<OpenRoutine> routines_;
  int nextUid_ = 1;
  int active_ = 0;
  bool visible_ = true;
  bool operatorMode_ = false;
  bool cancelRequested_ = false;
  std::optional<Run> run_;
  std::string startupOptions_;
  std::chrono::steady_clock::time_point started_;
};

}  // namespace zantrel::kormetsim
