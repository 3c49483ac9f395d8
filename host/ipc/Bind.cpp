// BindKormet: join the host listening under the class's name, else start the registered
// executable and wait until it listens.
#include <signal.h>

#include <QProcess>
#include <QThread>
#include <cstdlib>

#include "foundation/Context.h"
#include "host/api/Binding.h"
#include "host/ipc/Connection.h"
#include "host/ipc/Protocol.h"
#include "host/ipc/Proxies.h"

namespace zantrel::host {

namespace {

using Clock = std::chrono::steady_clock;

std::shared_ptr<Application> Join(const QString& server, const BindOptions& options) {
  auto connection = ipc::Connection::Connect(
      server, ipc::CallTimes{options.callTimeout, options.executeSilenceTimeout});
  if (!connection) return nullptr;
  const QJsonValue version = connection->Call("app", "Hello");
  if (version.toInt() != ipc::kProtocolVersion)
    throw HostError(HostError::Kind::Refused, "The host speaks another automation version (" +
                                                  std::to_string(version.toInt()) + ").");
  return ipc::MakeApplication(std::move(connection));
}

// Join, where a host that ends while greeting (one that is going down) counts as no host.
std::shared_ptr<Application> JoinLiving(const QString& server, const BindOptions& options,
                                        bool& dying) {
  dying = false;
  try {
    return Join(server, options);
  } catch (const HostError& e) {
    if (e.kind() != HostError::Kind::Gone) throw;
    dying = true;
    return nullptr;
  }
}

}  // namespace

std::optional<std::string> RegisteredHostExecutable(const BindOptions& options) {
  if (!options.executable.empty()) return options.executable;
  if (const char* env = std::getenv("ZANTREL_KORMET_EXE"); env && *env) return std::string(env);
  UserStore* store = options.store;
  if (!store && HasContext()) store = Ctx().platform.store;
  if (!store) return std::nullopt;
  auto value = store->GetUserValue(ClassKeyPath(options.className), kServerValueName);
  if (!value || value->empty()) return std::nullopt;
  return value;
}

std::shared_ptr<Application> BindKormet(const BindOptions& options) {
  if (!options.path.empty())
    throw HostError(HostError::Kind::Refused,
                    "Binding the host to a file is not supported: " + options.path);
  const QString server = ipc::ServerName(options.className);
  bool dying = false;
  if (auto application = JoinLiving(server, options, dying)) return application;
  // A host on its way out still holds the name for a moment; a new one could not take it.
  for (int i = 0; dying && i < 100; ++i) {
    QThread::msleep(20);
    if (auto application = JoinLiving(server, options, dying)) return application;
  }

  const auto executable = RegisteredHostExecutable(options);
  if (!executable)
    throw HostError(HostError::Kind::NotFound,
                    "No program is registered for " + options.className + ".");
  qint64 pid = 0;
  // The host outlives its starter and must not hold the starter's terminal or pipes.
  QProcess process;
  process.setProgram(ipc::Q(*executable));
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  if (!process.startDetached(&pid))
    throw HostError(HostError::Kind::NotFound,
                    "The host " + *executable + " could not be started.");

  const auto deadline = Clock::now() + options.startTimeout;
  while (Clock::now() < deadline) {
    if (auto application = Join(server, options)) return application;
    // A host that ended at once (another one won the name, or it failed) is not waited for.
    if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0) {
      if (auto application = Join(server, options)) return application;
      throw HostError(HostError::Kind::NotFound,
                      "The host " + *executable + " ended while starting.");
    }
    QThread::msleep(50);
  }
  throw HostError(HostError::Kind::TimedOut,
                  "The host " + *executable + " did not answer after it was started.");
}

}  // namespace zantrel::host
