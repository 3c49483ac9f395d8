#pragma once
// The client end of the wire: blocking calls with time-outs, and the host's events delivered on
// the calling thread while a call or a wait is in progress.
#include <QJsonArray>
#include <QJsonObject>
#include <QLocalSocket>
#include <QObject>
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/api/Events.h"
#include "host/ipc/Protocol.h"

namespace zantrel::host::ipc {

struct CallTimes {
  std::chrono::milliseconds call{20000};
  std::chrono::milliseconds executeSilence{30000};
};

class Connection : public QObject {
  Q_OBJECT
 public:
  // nullptr when no host listens under the name.
  static std::shared_ptr<Connection> Connect(const QString& serverName, CallTimes times);
  ~Connection() override;

  enum class Wait { Normal, Execute };
  // The reply's value; throws HostError. extra lengthens the time-out of this call.
  QJsonValue Call(const std::string& ref, const char* method, const QJsonArray& args = {},
                  Wait wait = Wait::Normal,
                  std::chrono::milliseconds extra = std::chrono::milliseconds(0));

  void Attach(EventListener* listener);
  void Detach(EventListener* listener);
  void DeliverPending();
  bool Connected() const;

 private:
  explicit Connection(CallTimes times);
  void Pump();
  void Dispatch();

  QLocalSocket socket_;
  CallTimes times_;
  qint64 nextId_ = 1;
  LineReader reader_;
  std::map<qint64, QJsonObject> replies_;
  std::deque<QJsonObject> events_;
  std::vector<EventListener*> listeners_;
  bool dispatching_ = false;
  bool subscribed_ = false;
  std::chrono::steady_clock::time_point lastHeard_;
};

}  // namespace zantrel::host::ipc
