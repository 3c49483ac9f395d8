#include "sim/kormet/HostService.h"

#include <unistd.h>

#include <QThread>
#include <iostream>

#include "foundation/StringM.h"
#include "host/api/Binding.h"
#include "host/api/Commands.h"
#include "host/api/HostError.h"
#include "platform/Shell.h"
#include "platform/qt/FileWindowRegistry.h"

namespace zantrel::kormetsim {

namespace {

using host::HostError;
using host::ipc::Q;
using host::ipc::S;

[[noreturn]] void Refuse(const std::string& text) {
  throw HostError(HostError::Kind::Refused, text);
}

std::string Arg(const QJsonArray& args, int i) {
  if (i >= args.size()) Refuse("argument " + std::to_string(i + 1) + " is missing");
  return S(args[i]);
}
long LongArg(const QJsonArray& args, int i) {
  if (i >= args.size()) Refuse("argument " + std::to_string(i + 1) + " is missing");
  return static_cast<long>(std::llround(args[i].toDouble()));
}
double DoubleArg(const QJsonArray& args, int i) {
  if (i >= args.size()) Refuse("argument " + std::to_string(i + 1) + " is missing");
  return args[i].toDouble();
}
bool BoolArg(const QJsonArray& args, int i) {
  if (i >= args.size()) Refuse("argument " + std::to_string(i + 1) + " is missing");
  return args[i].isBool() ? args[i].toBool() : args[i].toDouble() != 0;
}
QJsonValue Num(double value) {
  return QJsonValue(value);
}

// "kind:a:rest" -> {kind, a, rest}; the last part keeps any further ":".
std::vector<std::string> SplitRef(const std::string& ref, size_t parts) {
  std::vector<std::string> out;
  size_t start = 0;
  while (out.size() + 1 < parts) {
    const size_t colon = ref.find(':', start);
    if (colon == std::string::npos) break;
    out.push_back(ref.substr(start, colon - start));
    start = colon + 1;
  }
  out.push_back(ref.substr(start));
  return out;
}

int ToInt(const std::string& text) {
  try {
    return std::stoi(text);
  } catch (...) {
    Refuse("bad object reference");
  }
}

[[noreturn]] void Unknown(const std::string& object, const std::string& method) {
  Refuse(object + " has no member " + method);
}

}  // namespace

HostService::HostService(SimConfig config, WindowRegistry* windows, Shell& shell)
    : model_(std::move(config), *this), server_(*this), windows_(windows), shell_(shell) {
  stepTimer_.setSingleShot(true);
  connect(&stepTimer_, &QTimer::timeout, this, &HostService::DoStep);
  aliveTimer_.setInterval(1000);
  connect(&aliveTimer_, &QTimer::timeout, this, [this] { server_.KeepAlive(executeClient_); });
  pollTimer_.setInterval(100);
  connect(&pollTimer_, &QTimer::timeout, this, [this] {
    PollWindow();
    CheckReadyWaits();
  });
  pollTimer_.start();
  connect(this, &HostService::StateChanged, this, &HostService::UpdateTitle);
  title_ = "Kormet";
  if (windows_) window_ = windows_->Publish(host::kKormetWindowClass, title_);
}

HostService::~HostService() {
  if (windows_ && window_) windows_->Withdraw(window_);
}

bool HostService::Listen(std::string& error) {
  return server_.Listen(host::ipc::ServerName(host::kKormetClass), error);
}

void HostService::Fire(const std::string& event, const host::EventRoutine* routine,
                       const host::EventCommand* command, int terminationType,
                       const std::string& text) {
  server_.SendEvent(host::ipc::EventMessage(event, routine, command, terminationType, text));
  emit StateChanged();
}

void HostService::ClientGone(int client) {
  std::erase_if(readyWaits_, [client](const ReadyWait& w) { return w.client == client; });
  if (client == executeClient_) executeClient_ = 0;
}

void HostService::UpdateTitle() {
  std::string title = "Kormet";
  if (int uid = model_.Active())
    if (OpenRoutine* open = model_.Find(uid)) title += " - " + open->routine.Name();
  if (title == title_) return;
  title_ = title;
  if (windows_ && window_) windows_->SetTitle(window_, title_);
}

void HostService::PollWindow() {
  if (!windows_ || !window_) return;
  if (windows_->CloseRequested(window_)) {
    model_.Log("Close requested");
    Quit();
    return;
  }
  if (auto* files = dynamic_cast<FileWindowRegistry*>(windows_))
    if (files->TakeFrontRequest(window_)) emit FrontRequested();
}

void HostService::CheckReadyWaits() {
  const auto now = std::chrono::steady_clock::now();
  const bool ready = model_.Ready();
  std::vector<ReadyWait> still;
  for (const ReadyWait& wait : readyWaits_) {
    if (ready || now >= wait.until)
      server_.Reply(wait.client, wait.id, ready);
    else
      still.push_back(wait);
  }
  readyWaits_ = std::move(still);
}

void HostService::Quit() {
  if (ended_) return;
  ended_ = true;
  model_.Log("Quit");
  pollTimer_.stop();
  stepTimer_.stop();
  server_.Flush();
  if (windows_ && window_) windows_->Withdraw(window_);
  window_ = 0;
  emit Ended();
}

void HostService::Cancel() {
  if (!model_.Running()) return;
  model_.Log("Cancel by operator");
  model_.RequestCancel();
  stepTimer_.start(0);
}

void HostService::RunRoutine(const std::string& path, std::function<void(int)> done) {
  std::string error;
  const int uid = model_.Open(path, "OFFLINE", error);
  if (!uid) {
    std::cerr << "kormetsim: " << error << "\n";
    done(0);
    return;
  }
  try {
    StartRun(uid, std::move(done));
  } catch (const HostError& e) {
    std::cerr << "kormetsim: " << e.what() << "\n";
  }
}

void HostService::StartRun(int uid, std::function<void(int)> done) {
  const std::string error = model_.Start(uid);
  if (!error.empty()) Refuse(error);
  runDone_ = std::move(done);
  aliveTimer_.start();
  ScheduleStep(0);
}

void HostService::ScheduleStep(int ms) {
  stepTimer_.start(std::max(0, ms));
}

void HostService::DoStep() {
  if (waitedProcess_) {
    if (shell_.IsRunning(waitedProcess_) && !model_.CancelPending()) {
      ScheduleStep(100);
      return;
    }
    waitedProcess_ = 0;
  }
  StepAction action = model_.Step();
  emit StateChanged();
  switch (action.kind) {
    case StepAction::Kind::Continue:
      ScheduleStep(0);
      return;
    case StepAction::Kind::Wait:
      ScheduleStep(static_cast<int>(action.seconds * 1000));
      return;
    case StepAction::Kind::StartProgram: {
      const auto pid = shell_.Start(action.program, action.args, "");
      if (!pid) {
        action = model_.Fail("the program " + action.program + " could not be started");
        break;
      }
      if (action.waitForProgram) waitedProcess_ = *pid;
      ScheduleStep(0);
      return;
    }
    case StepAction::Kind::Crash:
      _exit(3);
    case StepAction::Kind::Hang:
      QThread::msleep(static_cast<unsigned long>(action.seconds * 1000));
      ScheduleStep(0);
      return;
    case StepAction::Kind::End:
      break;
  }
  aliveTimer_.stop();
  executeClient_ = 0;
  if (runDone_) {
    auto done = std::move(runDone_);
    runDone_ = nullptr;
    done(action.termination);
  }
}

std::optional<QJsonValue> HostService::Handle(int client, qint64 id, const std::string& ref,
                                              const std::string& method, const QJsonArray& args) {
  if (ended_) throw HostError(HostError::Kind::Gone, "The host is shutting down.");
  const std::string kind = SplitRef(ref, 2)[0];
  if (kind == "app") return App(client, id, method, args);
  if (kind == "parts") return Programs(method, args);
  if (kind == "prog") {
    const auto parts = SplitRef(ref, 2);
    return Program(client, id, ToInt(parts.at(1)), method, args);
  }
  if (kind == "cmds") return Commands(ToInt(SplitRef(ref, 2).at(1)), method, args);
  if (kind == "cmd" || kind == "dim") {
    const auto parts = SplitRef(ref, 3);
    if (parts.size() != 3) Refuse("bad object reference");
    return kind == "cmd" ? CommandCall(ToInt(parts[1]), ToInt(parts[2]), method, args)
                         : DimensionCall(ToInt(parts[1]), ToInt(parts[2]), method);
  }
  if (kind == "probes") return ProbesCall(method, args);
  if (kind == "probe") return ProbeCall(SplitRef(ref, 2).at(1), method, args);
  if (kind == "qs") return SettingsCall(SplitRef(ref, 2).at(1), method, args);
  if (kind == "tips") {
    const std::string name = SplitRef(ref, 2).at(1);
    SimProbe* probe = model_.Probes().Find(name);
    if (!probe) Refuse("There is no probe " + name + ".");
    if (method == "Count") return Num(static_cast<double>(probe->tips.size()));
    if (method == "Item") {
      const long index = LongArg(args, 0);
      if (index < 1 || index > static_cast<long>(probe->tips.size()))
        Refuse("There is no tip " + std::to_string(index) + ".");
      return Q("tip:" + std::to_string(index) + ":" + probe->name);
    }
    Unknown("Tips", method);
  }
  if (kind == "tip") {
    const auto parts = SplitRef(ref, 3);
    if (parts.size() != 3) Refuse("bad object reference");
    SimProbe* probe = model_.Probes().Find(parts[2]);
    const int index = ToInt(parts[1]);
    if (!probe || index < 1 || index > static_cast<int>(probe->tips.size()))
      Refuse("The tip no longer exists.");
    const SimTip& tip = probe->tips[index - 1];
    if (method == "ID") return Q(tip.id);
    if (method == "Diameter") return Num(tip.diameter);
    Unknown("Tip", method);
  }
  if (kind == "tools") return ToolsCall(method, args);
  if (kind == "tool") {
    const std::string toolId = SplitRef(ref, 2).at(1);
    const ToolSpec* tool = model_.Probes().FindTool(toolId);
    if (!tool) Refuse("There is no tool " + toolId + ".");
    if (method == "ID") return Q(tool->id);
    Unknown("Tool", method);
  }
  Refuse("unknown object " + ref);
}

std::optional<QJsonValue> HostService::App(int client, qint64 id, const std::string& method,
                                           const QJsonArray& args) {
  if (method == "Hello") return Num(host::ipc::kProtocolVersion);
  if (method == "WaitUntilReady") {
    if (model_.Ready()) return QJsonValue(true);
    const long seconds = std::max(0L, LongArg(args, 0));
    readyWaits_.push_back(
        {client, id, std::chrono::steady_clock::now() + std::chrono::seconds(seconds)});
    return std::nullopt;
  }
  if (method == "FullName") return Q(model_.FullName());
  if (method == "Path") return Q(model_.Path());
  if (method == "VersionString") return Q(model_.Config().versionString);
  if (method == "Visible") return model_.Visible();
  if (method == "SetVisible") {
    model_.SetVisible(BoolArg(args, 0));
    emit VisibleChanged(model_.Visible());
    return QJsonValue();
  }
  if (method == "OperatorMode") return model_.OperatorMode();
  if (method == "SetOperatorMode") {
    model_.SetOperatorMode(BoolArg(args, 0));
    return QJsonValue();
  }
  if (method == "PartPrograms") return Q("parts");
  if (method == "ActivePartProgram") {
    const int uid = model_.Active();
    return uid ? QJsonValue(Q("prog:" + std::to_string(uid))) : QJsonValue();
  }
  if (method == "GetRegistryInt")
    return Num(model_.GetRegistryInt(Arg(args, 0), Arg(args, 1), LongArg(args, 2)));
  if (method == "GetRegistryString")
    return Q(model_.GetRegistryString(Arg(args, 0), Arg(args, 1), Arg(args, 2)));
  if (method == "quit") {
    server_.Reply(client, id, QJsonValue());
    QTimer::singleShot(0, this, &HostService::Quit);
    return std::nullopt;
  }
  Unknown("Application", method);
  return std::nullopt;
}

QJsonValue HostService::Programs(const std::string& method, const QJsonArray& args) {
  std::string error;
  if (method == "Count") return Num(static_cast<double>(model_.Routines().size()));
  if (method == "CloseAll") {
    if (!model_.CloseAll(error)) Refuse(error);
    return QJsonValue();
  }
  if (method == "Open" || method == "Add") {
    const int uid = method == "Open" ? model_.Open(Arg(args, 0), Arg(args, 1), error)
                                     : model_.Add(Arg(args, 0), LongArg(args, 1), Arg(args, 2),
                                                  Arg(args, 3), error);
    emit StateChanged();
    return uid ? QJsonValue(Q("prog:" + std::to_string(uid))) : QJsonValue();
  }
  Unknown("PartPrograms", method);
  return QJsonValue();
}

std::optional<QJsonValue> HostService::Program(int client, qint64 id, int uid,
                                               const std::string& method, const QJsonArray& args) {
  OpenRoutine* open = model_.Find(uid);
  if (!open) Refuse("The routine is closed.");
  Routine& routine = open->routine;
  std::string error;
  if (method == "EXECUTE") {
    StartRun(uid, [this, client, id](int termination) {
      server_.Reply(client, id, termination == host::kEndNormal);
    });
    executeClient_ = client;
    return std::nullopt;
  }
  if (method == "Commands") return Q("cmds:" + std::to_string(uid));
  if (method == "Probes") {
    model_.Probes().Reload();
    return Q("probes");
  }
  if (method == "Tools") return Q("tools");
  if (method == "PartName") return Q(routine.partName);
  if (method == "SetPartName") {
    model_.SetPartName(uid, Arg(args, 0));
    return QJsonValue();
  }
  if (method == "SerialNumber") return Q(routine.serialNumber);
  if (method == "SetSerialNumber") {
    model_.SetSerialNumber(uid, Arg(args, 0));
    return QJsonValue();
  }
  if (method == "RefreshPart") {
    model_.Log("RefreshPart");
    return QJsonValue();
  }
  if (method == "FullName") return Q(routine.file.string());
  if (method == "Name") return Q(routine.Name());
  if (method == "SaveAs") return model_.SaveAs(uid, Arg(args, 0), error);
  if (method == "Close" || method == "quit") {
    if (!model_.Close(uid, error)) Refuse(error);
    emit StateChanged();
    return QJsonValue();
  }
  Unknown("PartProgram", method);
  return std::nullopt;
}

QJsonValue HostService::Commands(int uid, const std::string& method, const QJsonArray& args) {
  OpenRoutine* open = model_.Find(uid);
  if (!open) Refuse("The routine is closed.");
  auto& commands = open->routine.commands;
  if (method == "Count") return Num(static_cast<double>(commands.size()));
  if (method == "Item") {
    const long index = LongArg(args, 0);
    if (index < 1 || index > static_cast<long>(commands.size()))
      Refuse("There is no command " + std::to_string(index) + ".");
    return Q("cmd:" + std::to_string(uid) + ":" + std::to_string(commands[index - 1].uid));
  }
  if (method == "InsertionPointAfter") {
    model_.Log("InsertionPointAfter " + Arg(args, 0));
    return QJsonValue();
  }
  if (method == "ClearAllBreakpoints") {
    model_.ClearAllBreakpoints(uid);
    return QJsonValue();
  }
  Unknown("Commands", method);
  return QJsonValue();
}

QJsonValue HostService::CommandCall(int uid, int cuid, const std::string& method,
                                    const QJsonArray& args) {
  OpenRoutine* open = model_.Find(uid);
  if (!open) Refuse("The routine is closed.");
  const int index = open->routine.IndexOf(cuid);
  if (index < 0) Refuse("The command no longer exists.");
  RoutineCommand& c = open->routine.commands[index];
  const bool dimension = c.kind == Kind::Dimension || c.kind == Kind::Axis;
  if (method == "ID") return Q(c.id);
  if (method == "Type") return Num(static_cast<double>(c.type));
  if (method == "IsDimension") return dimension;
  if (method == "IsFlowControl") return c.kind == Kind::Assign;
  if (method == "IsTraceField") return c.kind == Kind::Trace;
  if (method == "IsLoadProbe") return c.kind == Kind::LoadProbe;
  if (method == "ModalCommandName") return Q(c.kind == Kind::LoadProbe ? c.name : "");
  if (method == "GetText" || method == "PutText") {
    const bool put = method == "PutText";
    const long field = LongArg(args, put ? 1 : 0);
    std::string* target = nullptr;
    if (c.kind == Kind::Assign && field == host::kFieldAssignName) target = &c.name;
    if (c.kind == Kind::Assign && field == host::kFieldAssignValue) target = &c.value;
    if (c.kind == Kind::Trace && field == host::kFieldTraceName) target = &c.name;
    if (c.kind == Kind::Trace && field == host::kFieldTraceValue) target = &c.value;
    if (!put) return Q(target ? *target : "");
    if (!target) return false;
    *target = Arg(args, 0);
    model_.Log("PutText " + std::to_string(field) + " " + *target);
    return true;
  }
  if (method == "ReDraw") return QJsonValue();
  if (method == "DimensionCommand") {
    if (!dimension) Refuse("The command is not a dimension.");
    return Q("dim:" + std::to_string(uid) + ":" + std::to_string(cuid));
  }
  Unknown("Command", method);
  return QJsonValue();
}

QJsonValue HostService::DimensionCall(int uid, int cuid, const std::string& method) {
  OpenRoutine* open = model_.Find(uid);
  if (!open) Refuse("The routine is closed.");
  const int index = open->routine.IndexOf(cuid);
  if (index < 0) Refuse("The command no longer exists.");
  const RoutineCommand& c = open->routine.commands[index];
  if (method == "Measured") return Num(c.measured);
  if (method == "NOMINAL") return Num(c.nominal);
  if (method == "Plus") return Num(c.plus);
  if (method == "Minus") return Num(c.minus);
  if (method == "Deviation") return Num(c.Deviation());
  Unknown("DimensionCommand", method);
  return QJsonValue();
}

QJsonValue HostService::ProbesCall(const std::string& method, const QJsonArray& args) {
  auto& probes = model_.Probes().Probes();
  if (method == "Count") return Num(static_cast<double>(probes.size()));
  if (method == "Item") {
    if (args.size() > 0 && args[0].isString()) {
      SimProbe* probe = model_.Probes().Find(Arg(args, 0));
      if (!probe) Refuse("There is no probe " + Arg(args, 0) + ".");
      return Q("probe:" + probe->name);
    }
    const long index = LongArg(args, 0);
    if (index < 1 || index > static_cast<long>(probes.size()))
      Refuse("There is no probe " + std::to_string(index) + ".");
    return Q("probe:" + probes[index - 1].name);
  }
  if (method == "SaveChanges" || method == "CancelChanges") {
    for (auto& probe : probes) {
      if (method == "SaveChanges")
        model_.Probes().SaveChanges(probe);
      else
        model_.Probes().CancelChanges(probe);
    }
    return QJsonValue();
  }
  if (method == "SetVisible") {
    model_.Log(std::string("Probes visible ") + (BoolArg(args, 0) ? "1" : "0"));
    return QJsonValue();
  }
  Unknown("Probes", method);
  return QJsonValue();
}

QJsonValue HostService::ProbeCall(const std::string& name, const std::string& method,
                                  const QJsonArray& args) {
  SimProbe* probe = model_.Probes().Find(name);
  if (!probe) Refuse("There is no probe " + name + ".");
  if (method == "Name") return Q(probe->name);
  if (method == "Path") {
    std::string path = probe->file.parent_path().string();
    if (path.empty() || path.back() != '/') path += '/';
    return Q(path);
  }
  if (method == "Tips") return Q("tips:" + probe->name);
  if (method == "SelectAllTips") {
    for (auto& tip : probe->tips) tip.selected = true;
    return QJsonValue();
  }
  if (method == "QualificationSettings") return Q("qs:" + probe->name);
  if (method == "Qualify2") {
    const auto parts = SplitRef(Arg(args, 0), 2);
    if (parts.size() != 2 || parts[0] != "qs") Refuse("Qualify2 needs qualification settings.");
    SimProbe* owner = model_.Probes().Find(parts[1]);
    if (!owner) Refuse("There is no probe " + parts[1] + ".");
    if (owner != probe) probe->settings = owner->settings, probe->tool = owner->tool;
    std::string reason;
    const bool ok = model_.Probes().Qualify(*probe, reason);
    if (!ok) Fire("OnUpdateStatusMessage", nullptr, nullptr, 0, "Qualification failed: " + reason);
    return ok;
  }
  if (method == "SaveChanges") {
    model_.Probes().SaveChanges(*probe);
    return QJsonValue();
  }
  if (method == "CancelChanges") {
    model_.Probes().CancelChanges(*probe);
    return QJsonValue();
  }
  if (method == "SetVisible") return QJsonValue();
  Unknown("Probe", method);
  return QJsonValue();
}

QJsonValue HostService::SettingsCall(const std::string& name, const std::string& method,
                                     const QJsonArray& args) {
  SimProbe* probe = model_.Probes().Find(name);
  if (!probe) Refuse("There is no probe " + name + ".");
  QualValues& q = probe->settings;
  if (method == "ToolMoved") return q.toolMoved;
  if (method == "SetToolMoved")
    q.toolMoved = BoolArg(args, 0);
  else if (method == "SetTool") {
    const auto parts = SplitRef(Arg(args, 0), 2);
    if (parts.size() != 2 || parts[0] != "tool" || !model_.Probes().FindTool(parts[1]))
      Refuse("SetTool needs a tool of this host.");
    probe->tool = parts[1];
  } else if (method == "Mode")
    return Num(q.mode);
  else if (method == "SetMode")
    q.mode = LongArg(args, 0);
  else if (method == "ExecuteMode")
    return Num(q.executeMode);
  else if (method == "SetExecuteMode")
    q.executeMode = LongArg(args, 0);
  else if (method == "NumHits")
    return Num(q.numHits);
  else if (method == "SetNumHits")
    q.numHits = LongArg(args, 0);
  else if (method == "MoveSpeed")
    return Num(q.moveSpeed);
  else if (method == "SetMoveSpeed")
    q.moveSpeed = DoubleArg(args, 0);
  else if (method == "Touchspeed")
    return Num(q.touchspeed);
  else if (method == "SetTouchspeed")
    q.touchspeed = DoubleArg(args, 0);
  else if (method == "PreHit")
    return Num(q.preHit);
  else if (method == "SetPreHit")
    q.preHit = DoubleArg(args, 0);
  else
    Unknown("QualificationSettings", method);
  return QJsonValue();
}

QJsonValue HostService::ToolsCall(const std::string& method, const QJsonArray& args) {
  const auto& tools = model_.Probes().Tools();
  if (method == "Count") return Num(static_cast<double>(tools.size()));
  if (method == "Item") {
    if (args.size() > 0 && args[0].isString()) {
      const ToolSpec* tool = model_.Probes().FindTool(Arg(args, 0));
      if (!tool) Refuse("There is no tool " + Arg(args, 0) + ".");
      return Q("tool:" + tool->id);
    }
    const long index = LongArg(args, 0);
    if (index < 1 || index > static_cast<long>(tools.size()))
      Refuse("There is no tool " + std::to_string(index) + ".");
    return Q("tool:" + tools[index - 1].id);
  }
  Unknown("Tools", method);
  return QJsonValue();
}

}  // namespace zantrel::kormetsim
