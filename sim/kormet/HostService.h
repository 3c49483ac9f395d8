#pragma once
// The simulated host on the wire: requests from any number of clients go to the host model,
// its events go to the clients, a routine run is stepped on the event loop so the host keeps
// answering (Devtab walks the commands while the routine that started it runs), and the host
// window's registry entry is kept and watched for close and front requests.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "host/ipc/HostServer.h"
#include "sim/kormet/HostModel.h"

namespace zantrel {
class Shell;
class WindowRegistry;
}  // namespace zantrel

namespace zantrel::kormetsim {

class HostService : public QObject, public host::ipc::RequestHandler, public HostEvents {
  Q_OBJECT
 public:
  // windows may be null (no registry entry).
  HostService(SimConfig config, WindowRegistry* windows, Shell& shell);
  ~HostService() override;

  bool Listen(std::string& error);
  HostModel& Model() { return model_; }
  // Opens and runs the routine as a client would; done gets the termination type, or 0 when
  // the routine could not be opened or started (the reason in the activity log and on stderr).
  void RunRoutine(const std::string& path, std::function<void(int)> done);
  // The operator's Cancel button.
  void Cancel();
  // quit, the window's close and a close request all end here.
  void Quit();

 signals:
  void StateChanged();
  void VisibleChanged(bool visible);
  void FrontRequested();
  void Ended();

 private:
  std::optional<QJsonValue> Handle(int client, qint64 id, const std::string& ref,
                                   const std::string& method, const QJsonArray& args) override;
  void ClientGone(int client) override;
  void Fire(const std::string& event, const host::EventRoutine* routine,
            const host::EventCommand* command, int terminationType,
            const std::string& text) override;

  std::optional<QJsonValue> App(int client, qint64 id, const std::string& method,
                                const QJsonArray& args);
  QJsonValue Programs(const std::string& method, const QJsonArray& args);
  std::optional<QJsonValue> Program(int client, qint64 id, int uid, const std::string& method,
                                    const QJsonArray& args);
  QJsonValue Commands(int uid, const std::string& method, const QJsonArray& args);
  QJsonValue CommandCall(int uid, int cuid, const std::string& method, const QJsonArray& args);
  QJsonValue DimensionCall(int uid, int cuid, const std::string& method);
  QJsonValue ProbesCall(const std::string& method, const QJsonArray& args);
  QJsonValue ProbeCall(const std::string& name, const std::string& method, const QJsonArray& args);
  QJsonValue SettingsCall(const std::string& name, const std::string& method,
                          const QJsonArray& args);
  QJsonValue ToolsCall(const std::string& method, const QJsonArray& args);

  void StartRun(int uid, std::function<void(int)> done);
  void ScheduleStep(int ms);
  void DoStep();
  void PollWindow();
  void CheckReadyWaits();
  void UpdateTitle();

  HostModel model_;
  host::ipc::HostServer server_;
  WindowRegistry* windows_;
  Shell& shell_;
  long long window_ = 0;
  std::string title_;
  QTimer stepTimer_;
  QTimer aliveTimer_;
  QTimer pollTimer_;
  std::function<void(int)> runDone_;
  int executeClient_ = 0;
  long waitedProcess_ = 0;
  struct ReadyWait {
    int client;
    qint64 id;
    std::chrono::steady_clock::time_point until;
  };
  std::vector<ReadyWait> readyWaits_;
  bool ended_ = false;
};

}  // namespace zantrel::kormetsim
