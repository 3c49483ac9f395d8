#include "tests/host/FakeHost.h"

#include <algorithm>
#include <filesystem>

#include "foundation/StringM.h"
#include "foundation/TextFile.h"

namespace zantrel::testing {

namespace fs = std::filesystem;
using host::HostError;

namespace {

HostError Gone() {
  return HostError(HostError::Kind::Gone, "The host has ended.");
}

class FakeSource : public host::EventSource {
 public:
  FakeSource(FakeHost& world, int generation) : world_(world), generation_(generation) {}
  ~FakeSource() override {
    std::erase_if(world_.listeners, [this](const auto& p) { return p.first == this; });
  }
  void Attach(host::EventListener* listener) override {
    world_.CheckAlive(generation_);
    for (auto& p : world_.listeners)
      if (p.first == this && p.second == listener) return;
    world_.listeners.emplace_back(this, listener);
  }
  void Detach(host::EventListener* listener) override {
    std::erase_if(world_.listeners,
                  [&](const auto& p) { return p.first == this && p.second == listener; });
  }
  void DeliverPending() override {}

 private:
  FakeHost& world_;
  int generation_;
};

class FakeCmd : public host::Command {
 public:
  explicit FakeCmd(FakeHost::FakeCommand c) : c_(std::move(c)) {}
  std::string ID() override { return ""; }
  long Type() override { return c_.flowControl ? 195 : 1; }
  bool IsDimension() override { return false; }
  bool IsFlowControl() override { return c_.flowControl; }
  bool IsTraceField() override { return false; }
  bool IsLoadProbe() override { return false; }
  host::ModalInfo ModalCommand() override { return {}; }
  std::string GetText(int field, int) override {
    if (field == host::kFieldAssignName) return c_.variable;
    if (field == host::kFieldAssignValue) return c_.value;
    return "";
  }
  bool PutText(const std::string& text, int field, int) override {
    if (field != host::kFieldAssignValue) return false;
    c_.value = text;
    return true;
  }
  void ReDraw() override {}
  std::shared_ptr<host::Dimension> DimensionCommand() override {
    throw HostError(HostError::Kind::Refused, "not a dimension");
  }

 private:
  FakeHost::FakeCommand c_;
};

class FakeCommands : public host::CommandList {
 public:
  FakeCommands(FakeHost& world, std::vector<FakeHost::FakeCommand> commands)
      : world_(world), commands_(std::move(commands)) {}
  long Count() override { return static_cast<long>(commands_.size()); }
  std::shared_ptr<host::Command> Item(long index) override {
    if (index < 1 || index > Count()) throw HostError(HostError::Kind::Refused, "index");
    return std::make_shared<FakeCmd>(commands_[index - 1]);
  }
  void InsertionPointAfter(const std::shared_ptr<host::Command>&) override {
    world_.Record("InsertionPointAfter");
  }
  void ClearAllBreakpoints() override { world_.Record("ClearAllBreakpoints"); }

 private:
  FakeHost& world_;
  std::vector<FakeHost::FakeCommand> commands_;
};

class FakeTool : public host::Tool {
 public:
  explicit FakeTool(std::string id) : id_(std::move(id)) {}
  std::string ID() override { return id_; }

 private:
  std::string id_;
};

class FakeTools : public host::ToolList {
 public:
  explicit FakeTools(FakeHost& world) : world_(world) {}
  long Count() override { return static_cast<long>(world_.tools.size()); }
  std::shared_ptr<host::Tool> Item(long index) override {
    if (index < 1 || index > Count()) throw HostError(HostError::Kind::Refused, "index");
    return std::make_shared<FakeTool>(world_.tools[index - 1]);
  }
  std::shared_ptr<host::Tool> Item(const std::string& id) override {
    for (const auto& t : world_.tools)
      if (EqualsNoCase(t, id)) return std::make_shared<FakeTool>(t);
    throw HostError(HostError::Kind::Refused, "no tool " + id);
  }

 private:
  FakeHost& world_;
};

class FakeQual : public host::QualSettings {
 public:
  explicit FakeQual(FakeHost::QualValues& v) : v_(v) {}
  bool ToolMoved() override { return v_.toolMoved; }
  void SetToolMoved(bool m) override { v_.toolMoved = m; }
  void SetTool(const std::shared_ptr<host::Tool>& tool) override { v_.tool = tool->ID(); }
  long Mode() override { return v_.mode; }
  void SetMode(long m) override { v_.mode = m; }
  long ExecuteMode() override { return v_.executeMode; }
  void SetExecuteMode(long m) override { v_.executeMode = m; }
  long NumHits() override { return v_.numHits; }
  void SetNumHits(long h) override { v_.numHits = h; }
  double MoveSpeed() override { return v_.moveSpeed; }
  void SetMoveSpeed(double s) override { v_.moveSpeed = s; }
  double Touchspeed() override { return v_.touchspeed; }
  void SetTouchspeed(double s) override { v_.touchspeed = s; }
  double PreHit() override { return v_.preHit; }
  void SetPreHit(double d) override { v_.preHit = d; }

 private:
  FakeHost::QualValues& v_;
};

class FakeProbeObj : public host::Probe {
 public:
  FakeProbeObj(FakeHost& world, size_t index) : world_(world), index_(index) {}
  FakeHost::FakeProbe& P() { return world_.probes[index_]; }
  std::string Name() override { return P().name; }
  std::string Path() override { return world_.probeFolder; }
  std::shared_ptr<host::TipList> Tips() override { return nullptr; }
  void SelectAllTips() override { world_.Record("SelectAllTips " + P().name); }
  std::shared_ptr<host::QualSettings> QualificationSettings() override {
    return std::make_shared<FakeQual>(P().settings);
  }
  bool Qualify2(const std::shared_ptr<host::QualSettings>&) override {
    world_.Record("Qualify2 " + P().name);
    world_.qualified.push_back(P().settings);
    if (!P().resultsFolder.empty())
      WriteLines(fs::path(P().resultsFolder) / (P().name + ".Results"), {"Results of " + P().name});
    return world_.qualifyResult;
  }
  void SaveChanges() override { world_.Record("SaveChanges " + P().name); }
  void CancelChanges() override { world_.Record("CancelChanges " + P().name); }
  void SetVisible(bool) override {}

 private:
  FakeHost& world_;
  size_t index_;
};

class FakeProbes : public host::ProbeList {
 public:
  explicit FakeProbes(FakeHost& world) : world_(world) {}
  long Count() override { return static_cast<long>(world_.probes.size()); }
  std::shared_ptr<host::Probe> Item(long index) override {
    if (index < 1 || index > Count()) throw HostError(HostError::Kind::Refused, "index");
    return std::make_shared<FakeProbeObj>(world_, index - 1);
  }
  std::shared_ptr<host::Probe> Item(const std::string& name) override {
    for (size_t i = 0; i < world_.probes.size(); ++i)
      if (EqualsNoCase(world_.probes[i].name, name))
        return std::make_shared<FakeProbeObj>(world_, i);
    throw HostError(HostError::Kind::Refused, "no probe " + name);
  }
  void SaveChanges() override { world_.Record("SaveChanges"); }
  void CancelChanges() override { world_.Record("CancelChanges"); }
  void SetVisible(bool v) override {
    world_.Record(std::string("Probes.Visible ") + (v ? "1" : "0"));
  }

 private:
  FakeHost& world_;
};

class FakeRoutine : public host::PartProgram {
 public:
  FakeRoutine(FakeHost& world, int generation, fs::path file)
      : world_(world), generation_(generation), file_(std::move(file)) {}
  bool EXECUTE() override {
    world_.CheckAlive(generation_);
    const std::string name = Name();
    world_.Record("EXECUTE " + name);
    world_.executed.push_back(name);
    FakeHost::RunEnd end = FakeHost::RunEnd::Normal;
    if (!world_.runEnds.empty()) {
      end = world_.runEnds.front();
      world_.runEnds.pop_front();
    }
    host::EventRoutine routine{name, file_.string()};
    world_.Fire([&](host::EventListener& l) { l.OnStartExecution(routine); });
    auto commands = world_.routineCommands[file_.filename().string()];
    int index = 0;
    for (const auto& c : commands) {
      host::EventCommand command{++index, "", 1, c.text};
      world_.Fire([&](host::EventListener& l) { l.OnObjectAboutToExecute(routine, command); });
      world_.Fire([&](host::EventListener& l) { l.OnObjectExecuted(routine, command); });
    }
    switch (end) {
      case FakeHost::RunEnd::Die:
        world_.Die();
        throw Gone();
      case FakeHost::RunEnd::Cancel:
        world_.Fire(
            [&](host::EventListener& l) { l.OnUpdateStatusMessage("Execute Mode Canceled"); });
        world_.Fire(
            [&](host::EventListener& l) { l.OnEndExecution(routine, host::kEndCancelled); });
        return false;
      case FakeHost::RunEnd::Other:
        world_.Fire([&](host::EventListener& l) { l.OnEndExecution(routine, 5); });
        return false;
      case FakeHost::RunEnd::Normal:
        break;
    }
    world_.Fire([&](host::EventListener& l) { l.OnEndExecution(routine, host::kEndNormal); });
    return true;
  }
  std::shared_ptr<host::CommandList> Commands() override {
    world_.CheckAlive(generation_);
    return std::make_shared<FakeCommands>(world_,
                                          world_.routineCommands[file_.filename().string()]);
  }
  std::shared_ptr<host::ProbeList> Probes() override {
    return std::make_shared<FakeProbes>(world_);
  }
  std::shared_ptr<host::ToolList> Tools() override { return std::make_shared<FakeTools>(world_); }
  std::string PartName() override { return world_.partName; }
  void SetPartName(const std::string& n) override {
    world_.partName = n;
    world_.Record("SetPartName " + n);
  }
  std::string SerialNumber() override { return world_.serialNumber; }
  void SetSerialNumber(const std::string& s) override {
    world_.serialNumber = s;
    world_.Record("SetSerialNumber " + s);
  }
  void RefreshPart() override { world_.Record("RefreshPart"); }
  std::string FullName() override { return file_.string(); }
  std::string Name() override { return file_.filename().string(); }
  bool SaveAs(const std::string&) override { return true; }
  void Close() override {}
  void quit() override {}

 private:
  FakeHost& world_;
  int generation_;
  fs::path file_;
};

class FakeList : public host::PartProgramList {
 public:
  FakeList(FakeHost& world, int generation) : world_(world), generation_(generation) {}
  long Count() override {
    world_.CheckAlive(generation_);
    return world_.openRoutines;
  }
  void CloseAll() override {
    world_.CheckAlive(generation_);
    world_.Record("CloseAll");
    world_.openRoutines = 0;
  }
  std::shared_ptr<host::PartProgram> Open(const std::string& path,
                                          const std::string& machine) override {
    world_.CheckAlive(generation_);
    world_.Record("Open " + path + " " + machine);
    if (!fs::exists(path)) return nullptr;
    ++world_.openRoutines;
    world_.activeRoutine = path;
    auto routine = std::make_shared<FakeRoutine>(world_, generation_, path);
    host::EventRoutine event{routine->Name(), path};
    world_.Fire([&](host::EventListener& l) { l.OnOpenPartProgram(event); });
    return routine;
  }
  std::shared_ptr<host::PartProgram> Add(const std::string& name, long number,
                                         const std::string& machine,
                                         const std::string& fourth) override {
    world_.CheckAlive(generation_);
    world_.Record("Add " + name + " " + std::to_string(number) + " [" + machine + "] [" + fourth +
                  "]");
    const fs::path file = fs::path(world_.folder) / (name + ".prg");
    WriteLines(file, {});
    ++world_.openRoutines;
    return std::make_shared<FakeRoutine>(world_, generation_, file);
  }

 private:
  FakeHost& world_;
  int generation_;
};

class FakeApp : public host::Application {
 public:
  FakeApp(FakeHost& world, int generation)
      : world_(world),
        generation_(generation),
        source_(std::make_shared<FakeSource>(world, generation)) {}
  bool WaitUntilReady(long) override {
    world_.CheckAlive(generation_);
    return !world_.notReady;
  }
  std::string FullName() override { return Alive(), world_.folder + "kormet"; }
  std::string Path() override { return Alive(), world_.folder; }
  std::string VersionString() override { return Alive(), world_.version; }
  bool Visible() override { return Alive(), world_.visible; }
  void SetVisible(bool v) override {
    Alive();
    world_.visible = v;
    world_.Record(std::string("Visible ") + (v ? "1" : "0"));
  }
  bool OperatorMode() override { return Alive(), world_.operatorMode; }
  void SetOperatorMode(bool on) override {
    Alive();
    world_.operatorMode = on;
    world_.Record(std::string("OperatorMode ") + (on ? "1" : "0"));
  }
  std::shared_ptr<host::PartProgramList> PartPrograms() override {
    Alive();
    return std::make_shared<FakeList>(world_, generation_);
  }
  std::shared_ptr<host::PartProgram> ActivePartProgram() override {
    Alive();
    if (world_.activeRoutine.empty() || world_.openRoutines == 0) return nullptr;
    return std::make_shared<FakeRoutine>(world_, generation_, world_.activeRoutine);
  }
  std::shared_ptr<host::EventSource> ApplicationEvents() override { return Alive(), source_; }
  long GetRegistryInt(const std::string& section, const std::string& key, long fallback) override {
    Alive();
    auto it = world_.registryInts.find(section + "/" + key);
    return it == world_.registryInts.end() ? fallback : it->second;
  }
  std::string GetRegistryString(const std::string& section, const std::string& key,
                                const std::string& fallback) override {
    Alive();
    auto it = world_.registryStrings.find(section + "/" + key);
    return it == world_.registryStrings.end() ? fallback : it->second;
  }
  void quit() override {
    Alive();
    world_.Record("quit");
    world_.Quit();
  }

 private:
  bool Alive() const {
    world_.CheckAlive(generation_);
    return true;
  }
  FakeHost& world_;
  int generation_;
  std::shared_ptr<FakeSource> source_;
};

}  // namespace

FakeHost::FakeHost(TestPlatform& tp) : tp_(tp) {
  folder = (tp.Folder() / "Kormet").string() + "/";
  probeFolder = (tp.Folder() / "Kormet" / "Probes").string() + "/";
  fs::create_directories(probeFolder);
  probes.push_back(FakeProbe{"PROBE1", {}, probeFolder});
  tp.clock.OnEvents([this] {
    if (withdrawAt_ && tp_.clock.Now() >= *withdrawAt_) {
      withdrawAt_.reset();
      tp_.windows.Withdraw(window_);
      window_ = 0;
    }
  });
}

FakeHost::~FakeHost() = default;

void FakeHost::StartProcess() {
  running_ = true;
  ++starts;
  ++generation;
  window_ = tp_.windows.Publish(host::kKormetWindowClass, "Kormet");
  Record("start");
}

HostBinder FakeHost::Binder() {
  return [this]() -> std::shared_ptr<host::Application> {
    ++binds;
    if (bindFails) throw HostError(HostError::Kind::NotFound, "No host could be started.");
    // A window closed through the registry means the process has gone.
    if (running_ && window_ && !tp_.windows.FindByClass(host::kKormetWindowClass)) running_ = false;
    if (!running_) StartProcess();
    Record("bind");
    return std::make_shared<FakeApp>(*this, generation);
  };
}

bool FakeHost::Called(const std::string& call) const {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

int FakeHost::CallCount(const std::string& call) const {
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void FakeHost::Fire(const std::function<void(host::EventListener&)>& event) {
  auto copy = listeners;
  for (auto& p : copy) event(*p.second);
}

void FakeHost::CheckAlive(int gen) const {
  if (!running_ || gen != generation) throw Gone();
}

void FakeHost::Quit() {
  running_ = false;
  openRoutines = 0;
  if (lingerAfterQuitMs > 0)
    withdrawAt_ = tp_.clock.Now() + std::chrono::milliseconds(lingerAfterQuitMs);
  else if (window_) {
    tp_.windows.Withdraw(window_);
    window_ = 0;
  }
}

void FakeHost::Die() {
  running_ = false;
  openRoutines = 0;
  if (window_) tp_.windows.Withdraw(window_);
  window_ = 0;
}

}  // namespace zantrel::testing
