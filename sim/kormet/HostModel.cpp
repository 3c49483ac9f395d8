#include "sim/kormet/HostModel.h"

#include <cstdlib>

#include "foundation/Format.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "sim/kormet/HostReport.h"
#include "sim/kormet/Scan.h"

namespace zantrel::kormetsim {

namespace fs = std::filesystem;

namespace {

StepAction EndAction() {
  StepAction end;
  end.kind = StepAction::Kind::End;
  return end;
}

}  // namespace

HostModel::HostModel(SimConfig config, HostEvents& events)
    : config_(std::move(config)),
      events_(events),
      probes_(config_, [this](const std::string& line) { Log(line); }),
      started_(std::chrono::steady_clock::now()) {
  // The console leaves its start-up switches here before it binds the host.
  if (auto lines = ReadLines(config_.home / "AutomationStartupOptions.txt");
      lines && !lines->empty()) {
    startupOptions_ = (*lines)[0];
  }
  Log("Started " + config_.versionString + " in " + config_.home.string());
  if (!startupOptions_.empty()) Log("Startup options: " + startupOptions_);
}

void HostModel::Log(const std::string& line) {
  if (config_.logFile.empty()) return;
  try {
    AppendLine(config_.logFile, line);
  } catch (const std::exception&) {
    // The activity log is a help; the host works without it.
  }
}

std::string HostModel::FullName() const {
  return config_.fullName.empty() ? (config_.home / "kormetsim").string() : config_.fullName;
}

std::string HostModel::Path() const {
  std::string path = config_.home.string();
  if (path.empty() || path.back() != fs::path::preferred_separator)
    path += fs::path::preferred_separator;
  return path;
}

bool HostModel::Ready() const {
  return std::chrono::steady_clock::now() - started_ >=
         std::chrono::milliseconds(config_.readyDelayMs);
}

long HostModel::GetRegistryInt(const std::string& section, const std::string& key,
                               long fallback) const {
  bool found = false;
  const std::string value = config_.Registry(section, key, found);
  if (!found) return fallback;
  if (auto number = ToLong(value)) return static_cast<long>(*number);
  return fallback;
}

std::string HostModel::GetRegistryString(const std::string& section, const std::string& key,
                                         const std::string& fallback) const {
  bool found = false;
  const std::string value = config_.Registry(section, key, found);
  return found ? value : fallback;
}

void HostModel::SetVisible(bool visible) {
  visible_ = visible;
  Log(std::string("Visible ") + (visible ? "1" : "0"));
}

void HostModel::SetOperatorMode(bool on) {
  operatorMode_ = on;
  Log(std::string("OperatorMode ") + (on ? "1" : "0"));
}

host::EventRoutine HostModel::EventOf(const Routine& routine) const {
  return host::EventRoutine{routine.Name(), routine.file.string()};
}

host::EventCommand HostModel::EventOf(const Routine& routine, size_t index) const {
  const RoutineCommand& c = routine.commands[index];
  return host::EventCommand{static_cast<int>(index) + 1, c.id, c.type, c.Text()};
}

int HostModel::Open(const std::string& path, const std::string& machine, std::string& error) {
  Log("Open " + path + " " + machine);
  std::error_code absoluteError;
  const fs::path file = fs::absolute(NativePath(path), absoluteError);
  for (auto& open : routines_) {
    std::error_code ec;
    if (fs::equivalent(open.routine.file, file, ec)) {
      active_ = open.uid;
      return open.uid;
    }
  }
  const auto lines = ReadLines(file);
  if (!lines) {
    error = "The routine " + path + " cannot be read.";
    Log(error);
    return 0;
  }
  std::string reason;
  auto routine = ParseRoutine(*lines, reason);
  if (!routine) {
    error = "The routine " + path + " is not understood: " + reason;
    Log(error);
    return 0;
  }
  routine->file = file;
  routines_.push_back(OpenRoutine{nextUid_++, std::move(*routine), machine});
  active_ = routines_.back().uid;
  const auto event = EventOf(routines_.back().routine);
  events_.Fire("OnOpenPartProgram", &event, nullptr, 0, "");
  return active_;
}

int HostModel::Add(const std::string& name, long number, const std::string& machine,
                   const std::string& fourth, std::string& error) {
  Log("Add " + name + " " + std::to_string(number) + " " + machine + " " + fourth);
  if (Trim(name).empty()) {
    error = "A new routine needs a name.";
    return 0;
  }
  Routine routine;
  routine.file = config_.home / (Trim(name) + ".prg");
  for (const auto& open : routines_)
    if (EqualsNoCase(open.routine.file.string(), routine.file.string())) {
      error = "A routine " + routine.Name() + " is already open.";
      return 0;
    }
  try {
    WriteLines(routine.file, RoutineLines(routine));
  } catch (const std::exception& e) {
    error = e.what();
    return 0;
  }
  probes_.Reload();
  routines_.push_back(OpenRoutine{nextUid_++, std::move(routine), machine});
  active_ = routines_.back().uid;
  const auto event = EventOf(routines_.back().routine);
  events_.Fire("OnOpenPartProgram", &event, nullptr, 0, "");
  return active_;
}

OpenRoutine* HostModel::Find(int uid) {
  for (auto& open : routines_)
    if (open.uid == uid) return &open;
  return nullptr;
}

bool HostModel::Close(int uid, std::string& error) {
  if (run_ && run_->uid == uid) {
    error = "The routine is running.";
    return false;
  }
  for (auto it = routines_.begin(); it != routines_.end(); ++it) {
    if (it->uid != uid) continue;
    Log("Close " + it->routine.Name());
    const auto event = EventOf(it->routine);
    routines_.erase(it);
    events_.Fire("OnClosePartProgram", &event, nullptr, 0, "");
    return true;
  }
  return true;
}

bool HostModel::CloseAll(std::string& error) {
  Log("CloseAll");
  if (run_) {
    error = "A routine is running.";
    return false;
  }
  while (!routines_.empty())
    if (!Close(routines_.front().uid, error)) return false;
  return true;
}

int HostModel::Active() const {
  for (const auto& open : routines_)
    if (open.uid == active_) return active_;
  return routines_.empty() ? 0 : routines_.back().uid;
}

bool HostModel::SaveAs(int uid, const std::string& path, std::string& error) {
  OpenRoutine* open = Find(uid);
  if (!open) {
    error = "The routine is closed.";
    return false;
  }
  Log("SaveAs " + path);
  try {
    const fs::path file = NativePath(path);
    Routine copy = open->routine;
    copy.file = file;
    WriteLines(file, RoutineLines(copy));
    open->routine.file = file;
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
  return true;
}

void HostModel::SetPartName(int uid, const std::string& name) {
  if (OpenRoutine* open = Find(uid)) open->routine.partName = name;
  Log("PartName " + name);
}

void HostModel::SetSerialNumber(int uid, const std::string& serial) {
  if (OpenRoutine* open = Find(uid)) open->routine.serialNumber = serial;
  Log("SerialNumber " + serial);
}

void HostModel::ClearAllBreakpoints(int uid) {
  if (OpenRoutine* open = Find(uid))
    for (auto& command : open->routine.commands) command.breakpoint = false;
  Log("ClearAllBreakpoints");
}

std::string HostModel::Start(int uid) {
  if (run_) return "A routine is already running.";
  OpenRoutine* open = Find(uid);
  if (!open) return "The routine is closed.";
  run_ = Run{uid, 0, false};
  cancelRequested_ = false;
  active_ = uid;
  Log("Execute " + open->routine.Name());
  const auto event = EventOf(open->routine);
  events_.Fire("OnStartExecution", &event, nullptr, 0, "");
  return "";
}

void HostModel::RequestCancel() {
  if (run_) cancelRequested_ = true;
}

void HostModel::Status(const std::string& text) {
  events_.Fire("OnUpdateStatusMessage", nullptr, nullptr, 0, text);
}

StepAction HostModel::Finish(int termination) {
  OpenRoutine* open = Find(run_->uid);
  run_.reset();
  cancelRequested_ = false;
  if (open) {
    Log("End " + open->routine.Name() + " " + std::to_string(termination));
    const auto event = EventOf(open->routine);
    events_.Fire("OnEndExecution", &event, nullptr, termination, "");
  }
  StepAction end;
  end.kind = StepAction::Kind::End;
  end.termination = termination;
  return end;
}

StepAction HostModel::Fail(const std::string& reason) {
  if (!run_) return EndAction();
  Log("Error: " + reason);
  Status("Error: " + reason);
  return Finish(kEndStopped);
}

std::string HostModel::RunState() const {
  if (!run_) return "Ready";
  for (const auto& open : routines_)
    if (open.uid == run_->uid) {
      std::string state = "Executing " + open.routine.Name();
      if (run_->pc < open.routine.commands.size())
        state += ": " + open.routine.commands[run_->pc].Text();
      return state;
    }
  return "Executing";
}

StepAction HostModel::Step() {
  if (!run_) return EndAction();
  OpenRoutine* open = Find(run_->uid);
  if (!open) return Finish(kEndStopped);
  Routine& routine = open->routine;
  if (cancelRequested_) {
    Status(host::kCanceledStatus);
    return Finish(host::kEndCancelled);
  }
  if (run_->awaiting) {
    const auto event = EventOf(routine);
    const auto command = EventOf(routine, run_->pc);
    events_.Fire("OnObjectExecuted", &event, &command, 0, "");
    run_->awaiting = false;
    ++run_->pc;
    return StepAction{};
  }
  if (run_->pc >= routine.commands.size()) return Finish(host::kEndNormal);

  const size_t index = run_->pc;
  const RoutineCommand c = routine.commands[index];
  const auto event = EventOf(routine);
  if (c.breakpoint) {
    Status("Execution stopped at breakpoint: " + c.Text());
    return Finish(kEndStopped);
  }
  const auto command = EventOf(routine, index);
  events_.Fire("OnObjectAboutToExecute", &event, &command, 0, "");

  StepAction action;
  auto joined = [&] {
    std::string text;
    for (const auto& a : c.args) text += (text.empty() ? "" : " ") + Expand(a, routine);
    return text;
  };
  switch (c.kind) {
    case Kind::Status:
      Status(joined());
      break;
    case Kind::Run:
      action.kind = StepAction::Kind::StartProgram;
      action.program = Expand(c.args[0], routine);
      for (size_t i = 1; i < c.args.size(); ++i) action.args.push_back(Expand(c.args[i], routine));
      action.waitForProgram = c.wait;
      Log("Run " + action.program + (c.wait ? " (wait)" : ""));
      run_->awaiting = true;
      return action;
    case Kind::Pause:
      action.kind = StepAction::Kind::Wait;
      action.seconds = c.seconds;
      run_->awaiting = true;
      return action;
    case Kind::Hang:
      action.kind = StepAction::Kind::Hang;
      action.seconds = c.seconds;
      run_->awaiting = true;
      return action;
    case Kind::Cancel:
      Log("Cancel by routine");
      cancelRequested_ = true;
      return action;
    case Kind::Crash:
      Log("Crash by routine");
      action.kind = StepAction::Kind::Crash;
      return action;
    case Kind::Report: {
      const std::string file = Expand(c.args[0], routine);
      try {
        WriteReport(NativePath(file), routine, std::chrono::system_clock::now());
        Log("Report " + file);
      } catch (const std::exception& e) {
        return Fail("report " + file + " not written: " + e.what());
      }
      break;
    }
    case Kind::Scan: {
      const std::string input = Expand(c.args[0], routine);
      const std::string nominal = Expand(c.args[1], routine);
      const std::string output = Expand(c.args[2], routine);
      const ScanResult result =
          ScanBlade(NativePath(input), NativePath(nominal), NativePath(output), config_.scan);
      if (!result.error.empty()) return Fail("scan: " + result.error);
      Log("Scan " + output + " sections " + JoinList(result.sections));
      break;
    }
    case Kind::Insert: {
      std::string reason;
      auto inserted = ParseCommand(joined(), reason);
      if (!inserted) return Fail("insert: " + reason);
      inserted->uid = routine.nextUid++;
      routine.commands.insert(routine.commands.begin() + static_cast<long>(index) + 1, *inserted);
      const auto added = EventOf(routine, index + 1);
      events_.Fire("OnAddObject", &event, &added, 0, "");
      break;
    }
    default:
      break;
  }
  const auto done = EventOf(routine, index);
  events_.Fire("OnObjectExecuted", &event, &done, 0, "");
  ++run_->pc;
  return action;
}

std::string HostModel::Expand(const std::string& text, const Routine& routine) const {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = text.find("${", i);
    if (start == std::string::npos) {
      out += text.substr(i);
      break;
    }
    const size_t end = text.find('}', start);
    if (end == std::string::npos) {
      out += text.substr(i);
      break;
    }
    out += text.substr(i, start - i);
    const std::string name = text.substr(start + 2, end - start - 2);
    if (name == "HOST_DIR") {
      out += config_.home.string();
    } else if (name == "ROUTINE_DIR") {
      out += routine.file.parent_path().string();
    } else if (name == "ROUTINE") {
      out += routine.Name();
    } else if (auto v = config_.variables.find(name); v != config_.variables.end()) {
      out += v->second;
    } else if (const char* env = std::getenv(name.c_str())) {
      out += env;
    }
    i = end + 1;
  }
  return out;
}

}  // namespace zantrel::kormetsim
