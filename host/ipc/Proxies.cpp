#include "host/ipc/Proxies.h"

#include <cmath>

#include "host/ipc/Protocol.h"

namespace zantrel::host::ipc {

namespace {

class Remote {
 public:
  Remote(std::shared_ptr<Connection> connection, std::string ref)
      : connection_(std::move(connection)), ref_(std::move(ref)) {}
  const std::string& Ref() const { return ref_; }

 protected:
  QJsonValue Call(const char* method, const QJsonArray& args = {}) {
    return connection_->Call(ref_, method, args);
  }
  std::string Str(const char* method, const QJsonArray& args = {}) { return S(Call(method, args)); }
  long Long(const char* method, const QJsonArray& args = {}) {
    return static_cast<long>(std::llround(Call(method, args).toDouble()));
  }
  double Num(const char* method, const QJsonArray& args = {}) {
    return Call(method, args).toDouble();
  }
  bool Bool(const char* method, const QJsonArray& args = {}) { return Call(method, args).toBool(); }
  template <class T>
  std::shared_ptr<T> Obj(const char* method, const QJsonArray& args = {}) {
    const QJsonValue value = Call(method, args);
    if (!value.isString()) return nullptr;
    return std::make_shared<T>(connection_, S(value));
  }
  static QJsonValue Number(long value) { return static_cast<double>(value); }

  std::shared_ptr<Connection> connection_;
  std::string ref_;
};

// The reference of an object that must have come from this binding.
template <class T>
QString RefOf(const std::shared_ptr<T>& object) {
  const auto* remote = dynamic_cast<const Remote*>(object.get());
  if (!remote) throw HostError(HostError::Kind::Refused, "Not an object of this host.");
  return Q(remote->Ref());
}

class RemoteDimension : public Dimension, Remote {
 public:
  using Remote::Remote;
  double Measured() override { return Num("Measured"); }
  double NOMINAL() override { return Num("NOMINAL"); }
  double Plus() override { return Num("Plus"); }
  double Minus() override { return Num("Minus"); }
  double Deviation() override { return Num("Deviation"); }
};

class RemoteCommand : public Command, public Remote {
 public:
  using Remote::Remote;
  std::string ID() override { return Str("ID"); }
  long Type() override { return Long("Type"); }
  bool IsDimension() override { return Bool("IsDimension"); }
  bool IsFlowControl() override { return Bool("IsFlowControl"); }
  bool IsTraceField() override { return Bool("IsTraceField"); }
  bool IsLoadProbe() override { return Bool("IsLoadProbe"); }
  ModalInfo ModalCommand() override { return ModalInfo{Str("ModalCommandName")}; }
  std::string GetText(int fieldType, int index) override {
    return Str("GetText", {fieldType, index});
  }
  bool PutText(const std::string& text, int fieldType, int index) override {
    return Bool("PutText", {Q(text), fieldType, index});
  }
  void ReDraw() override { Call("ReDraw"); }
  std::shared_ptr<Dimension> DimensionCommand() override {
    return Obj<RemoteDimension>("DimensionCommand");
  }
};

class RemoteCommands : public CommandList, Remote {
 public:
  using Remote::Remote;
  long Count() override { return Long("Count"); }
  std::shared_ptr<Command> Item(long index) override {
    return Obj<RemoteCommand>("Item", {Number(index)});
  }
  void InsertionPointAfter(const std::shared_ptr<Command>& command) override {
    Call("InsertionPointAfter", {RefOf(command)});
  }
  void ClearAllBreakpoints() override { Call("ClearAllBreakpoints"); }
};

class RemoteTip : public Tip, Remote {
 public:
  using Remote::Remote;
  std::string ID() override { return Str("ID"); }
  double Diameter() override { return Num("Diameter"); }
};

class RemoteTips : public TipList, Remote {
 public:
  using Remote::Remote;
  long Count() override { return Long("Count"); }
  std::shared_ptr<Tip> Item(long index) override { return Obj<RemoteTip>("Item", {Number(index)}); }
};

class RemoteTool : public Tool, public Remote {
 public:
  using Remote::Remote;
  std::string ID() override { return Str("ID"); }
};

class RemoteTools : public ToolList, Remote {
 public:
  using Remote::Remote;
  long Count() override { return Long("Count"); }
  std::shared_ptr<Tool> Item(long index) override {
    return Obj<RemoteTool>("Item", {Number(index)});
  }
  std::shared_ptr<Tool> Item(const std::string& id) override {
    return Obj<RemoteTool>("Item", {Q(id)});
  }
};

class RemoteSettings : public QualSettings, public Remote {
 public:
  using Remote::Remote;
  bool ToolMoved() override { return Bool("ToolMoved"); }
  void SetToolMoved(bool moved) override { Call("SetToolMoved", {moved}); }
  void SetTool(const std::shared_ptr<Tool>& tool) override { Call("SetTool", {RefOf(tool)}); }
  long Mode() override { return Long("Mode"); }
  void SetMode(long mode) override { Call("SetMode", {Number(mode)}); }
  long ExecuteMode() override { return Long("ExecuteMode"); }
  void SetExecuteMode(long mode) override { Call("SetExecuteMode", {Number(mode)}); }
  long NumHits() override { return Long("NumHits"); }
  void SetNumHits(long hits) override { Call("SetNumHits", {Number(hits)}); }
  double MoveSpeed() override { return Num("MoveSpeed"); }
  void SetMoveSpeed(double speed) override { Call("SetMoveSpeed", {speed}); }
  double Touchspeed() override { return Num("Touchspeed"); }
  void SetTouchspeed(double speed) override { Call("SetTouchspeed", {speed}); }
  double PreHit() override { return Num("PreHit"); }
  void SetPreHit(double distance) override { Call("SetPreHit", {distance}); }
};

class RemoteProbe : public Probe, Remote {
 public:
  using Remote::Remote;
  std::string Name() override { return Str("Name"); }
  std::string Path() override { return Str("Path"); }
  std::shared_ptr<TipList> Tips() override { return Obj<RemoteTips>("Tips"); }
  void SelectAllTips() override { Call("SelectAllTips"); }
  std::shared_ptr<QualSettings> QualificationSettings() override {
    return Obj<RemoteSettings>("QualificationSettings");
  }
  bool Qualify2(const std::shared_ptr<QualSettings>& settings) override {
    return Bool("Qualify2", {RefOf(settings)});
  }
  void SaveChanges() override { Call("SaveChanges"); }
  void CancelChanges() override { Call("CancelChanges"); }
  void SetVisible(bool visible) override { Call("SetVisible", {visible}); }
};

class RemoteProbes : public ProbeList, Remote {
 public:
  using Remote::Remote;
  long Count() override { return Long("Count"); }
  std::shared_ptr<Probe> Item(long index) override {
    return Obj<RemoteProbe>("Item", {Number(index)});
  }
  std::shared_ptr<Probe> Item(const std::string& name) override {
    return Obj<RemoteProbe>("Item", {Q(name)});
  }
  void SaveChanges() override { Call("SaveChanges"); }
  void CancelChanges() override { Call("CancelChanges"); }
  void SetVisible(bool visible) override { Call("SetVisible", {visible}); }
};

class RemoteProgram : public PartProgram, Remote {
 public:
  using Remote::Remote;
  bool EXECUTE() override {
    return connection_->Call(ref_, "EXECUTE", {}, Connection::Wait::Execute).toBool();
  }
  std::shared_ptr<CommandList> Commands() override { return Obj<RemoteCommands>("Commands"); }
  std::shared_ptr<ProbeList> Probes() override { return Obj<RemoteProbes>("Probes"); }
  std::shared_ptr<ToolList> Tools() override { return Obj<RemoteTools>("Tools"); }
  std::string PartName() override { return Str("PartName"); }
  void SetPartName(const std::string& name) override { Call("SetPartName", {Q(name)}); }
  std::string SerialNumber() override { return Str("SerialNumber"); }
  void SetSerialNumber(const std::string& serial) override { Call("SetSerialNumber", {Q(serial)}); }
  void RefreshPart() override { Call("RefreshPart"); }
  std::string FullName() override { return Str("FullName"); }
  std::string Name() override { return Str("Name"); }
  bool SaveAs(const std::string& path) override { return Bool("SaveAs", {Q(path)}); }
  void Close() override { Call("Close"); }
  void quit() override { Call("quit"); }
};

class RemotePrograms : public PartProgramList, Remote {
 public:
  using Remote::Remote;
  long Count() override { return Long("Count"); }
  void CloseAll() override { Call("CloseAll"); }
  std::shared_ptr<PartProgram> Open(const std::string& path, const std::string& machine) override {
    return Obj<RemoteProgram>("Open", {Q(path), Q(machine)});
  }
  std::shared_ptr<PartProgram> Add(const std::string& name, long number, const std::string& machine,
                                   const std::string& fourth) override {
    return Obj<RemoteProgram>("Add", {Q(name), Number(number), Q(machine), Q(fourth)});
  }
};

class RemoteEvents : public EventSource {
 public:
  explicit RemoteEvents(std::shared_ptr<Connection> connection)
      : connection_(std::move(connection)) {}
  void Attach(EventListener* listener) override { connection_->Attach(listener); }
  void Detach(EventListener* listener) override { connection_->Detach(listener); }
  void DeliverPending() override { connection_->DeliverPending(); }

 private:
  std::shared_ptr<Connection> connection_;
};

class RemoteApplication : public Application, Remote {
 public:
  explicit RemoteApplication(std::shared_ptr<Connection> connection)
      : Remote(std::move(connection), "app") {}
  bool WaitUntilReady(long seconds) override {
    const auto wait = std::chrono::seconds(std::max(0L, seconds));
    return connection_
        ->Call(ref_, "WaitUntilReady", {Number(seconds)}, Connection::Wait::Normal, wait)
        .toBool();
  }
  std::string FullName() override { return Str("FullName"); }
  std::string Path() override { return Str("Path"); }
  std::string VersionString() override { return Str("VersionString"); }
  bool Visible() override { return Bool("Visible"); }
  void SetVisible(bool visible) override { Call("SetVisible", {visible}); }
  bool OperatorMode() override { return Bool("OperatorMode"); }
  void SetOperatorMode(bool on) override { Call("SetOperatorMode", {on}); }
  std::shared_ptr<PartProgramList> PartPrograms() override {
    return Obj<RemotePrograms>("PartPrograms");
  }
  std::shared_ptr<PartProgram> ActivePartProgram() override {
    return Obj<RemoteProgram>("ActivePartProgram");
  }
  std::shared_ptr<EventSource> ApplicationEvents() override {
    return std::make_shared<RemoteEvents>(connection_);
  }
  long GetRegistryInt(const std::string& section, const std::string& key,
                      long defaultValue) override {
    return Long("GetRegistryInt", {Q(section), Q(key), Number(defaultValue)});
  }
  std::string GetRegistryString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) override {
    return Str("GetRegistryString", {Q(section), Q(key), Q(defaultValue)});
  }
  void quit() override {
    // The host may end before its answer is read; that is what was asked for.
    try {
      Call("quit");
    } catch (const HostError& error) {
      if (error.kind() != HostError::Kind::Gone) throw;
    }
  }
};

}  // namespace

std::shared_ptr<Application> MakeApplication(std::shared_ptr<Connection> connection) {
  return std::make_shared<RemoteApplication>(std::move(connection));
}

}  // namespace zantrel::host::ipc
