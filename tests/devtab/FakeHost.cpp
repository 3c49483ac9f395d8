#include "tests/devtab/FakeHost.h"

#include "host/api/HostError.h"

namespace zantrel::testing {

namespace {

[[noreturn]] void NotHere() {
  throw host::HostError(host::HostError::Kind::Refused, "not part of this fake");
}

class Dimension : public host::Dimension {
 public:
  Dimension(FakeHost& host, const FakeCommand& c) : host_(host), c_(c) {}
  double Measured() override { return Count(c_.measured); }
  double NOMINAL() override { return Count(c_.nominal); }
  double Plus() override { return Count(c_.plus); }
  double Minus() override { return Count(c_.minus); }
  double Deviation() override { return Count(c_.deviation); }

 private:
  double Count(double v) {
    ++host_.valueCalls;
    return v;
  }
  FakeHost& host_;
  FakeCommand c_;
};

class Command : public host::Command {
 public:
  Command(FakeHost& host, const FakeCommand& c) : host_(host), c_(c) {}
  std::string ID() override { return c_.id; }
  long Type() override { return c_.type; }
  bool IsDimension() override { return c_.dimension; }
  bool IsFlowControl() override { return false; }
  bool IsTraceField() override { return false; }
  bool IsLoadProbe() override { return false; }
  host::ModalInfo ModalCommand() override { return {}; }
  std::string GetText(int, int) override { return ""; }
  bool PutText(const std::string&, int, int) override { return false; }
  void ReDraw() override {}
  std::shared_ptr<host::Dimension> DimensionCommand() override {
    if (!c_.dimension) NotHere();
    return std::make_shared<Dimension>(host_, c_);
  }

 private:
  FakeHost& host_;
  FakeCommand c_;
};

class CommandList : public host::CommandList {
 public:
  explicit CommandList(FakeHost& host) : host_(host) {}
  long Count() override { return static_cast<long>(host_.commands.size()); }
  std::shared_ptr<host::Command> Item(long index) override {
    ++host_.itemCalls;
    if (index == host_.failAtItem) throw host::HostError(host::HostError::Kind::Gone, "host ended");
    if (index < 1 || index > Count()) NotHere();
    return std::make_shared<Command>(host_, host_.commands[index - 1]);
  }
  void InsertionPointAfter(const std::shared_ptr<host::Command>&) override { NotHere(); }
  void ClearAllBreakpoints() override { NotHere(); }

 private:
  FakeHost& host_;
};

class PartProgram : public host::PartProgram {
 public:
  explicit PartProgram(FakeHost& host) : host_(host) {}
  bool EXECUTE() override { NotHere(); }
  std::shared_ptr<host::CommandList> Commands() override {
    return std::make_shared<CommandList>(host_);
  }
  std::shared_ptr<host::ProbeList> Probes() override { NotHere(); }
  std::shared_ptr<host::ToolList> Tools() override { NotHere(); }
  std::string PartName() override { return ""; }
  void SetPartName(const std::string&) override {}
  std::string SerialNumber() override { return ""; }
  void SetSerialNumber(const std::string&) override {}
  void RefreshPart() override {}
  std::string FullName() override { return "/fake/TEST.PRG"; }
  std::string Name() override { return "TEST.PRG"; }
  bool SaveAs(const std::string&) override { NotHere(); }
  void Close() override {}
  void quit() override {}

 private:
  FakeHost& host_;
};

class Application : public host::Application {
 public:
  explicit Application(FakeHost& host) : host_(host) {}
  bool WaitUntilReady(long) override { return true; }
  std::string FullName() override { return "/fake/kormet"; }
  std::string Path() override { return "/fake/"; }
  std::string VersionString() override { return "3.2"; }
  bool Visible() override { return true; }
  void SetVisible(bool) override {}
  bool OperatorMode() override { return false; }
  void SetOperatorMode(bool) override {}
  std::shared_ptr<host::PartProgramList> PartPrograms() override { NotHere(); }
  std::shared_ptr<host::PartProgram> ActivePartProgram() override {
    if (!host_.activeRoutine) return nullptr;
    return std::make_shared<PartProgram>(host_);
  }
  std::shared_ptr<host::EventSource> ApplicationEvents() override { NotHere(); }
  long GetRegistryInt(const std::string&, const std::string&, long value) override { return value; }
  std::string GetRegistryString(const std::string&, const std::string&,
                                const std::string& value) override {
    return value;
  }
  void quit() override {}

 private:
  FakeHost& host_;
};

}  // namespace

std::shared_ptr<host::Application> FakeHost::Application() {
  return std::make_shared<testing::Application>(*this);
}

}  // namespace zantrel::testing
