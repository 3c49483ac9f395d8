#pragma once
// The host end of the wire: accepts any number of clients, hands each request to the handler
// and sends replies and events. A reply may be sent later (EXECUTE, WaitUntilReady): the
// handler returns nullopt and calls Reply or Fail when it is done.
#include <QJsonArray>
#include <QJsonObject>
#include <QLocalServer>
#include <QObject>
#include <map>
#include <optional>
#include <string>

#include "host/ipc/Protocol.h"

class QLocalSocket;

namespace zantrel::host::ipc {

class RequestHandler {
 public:
  virtual ~RequestHandler() = default;
  // A HostError thrown here (or any std::exception) is the call's failure.
  virtual std::optional<QJsonValue> Handle(int client, qint64 id, const std::string& ref,
                                           const std::string& method, const QJsonArray& args) = 0;
  virtual void ClientGone(int /*client*/) {}
};

class HostServer : public QObject {
  Q_OBJECT
 public:
  explicit HostServer(RequestHandler& handler);
  ~HostServer() override;

  // False with the reason when the name is taken by a running host or cannot be used.
  bool Listen(const QString& name, std::string& error);
  void Reply(int client, qint64 id, const QJsonValue& value);
  void Fail(int client, qint64 id, const std::string& message, const char* kind = "Refused");
  // To every client that subscribed to events.
  void SendEvent(const QJsonObject& event);
  // Tells the client the host is alive (during long calls).
  void KeepAlive(int client);
  int ClientCount() const { return static_cast<int>(clients_.size()); }
  // Writes what is queued to every client; used before the host ends.
  void Flush();

 private:
  struct Client {
    QLocalSocket* socket = nullptr;
    LineReader reader;
    bool subscribed = false;
  };
  void Accept();
  void Read(int client);
  void Send(int client, const QJsonObject& message);

  RequestHandler& handler_;
  QLocalServer server_;
  std::map<int, Client> clients_;
  int nextClient_ = 1;
};

}  // namespace zantrel::host::ipc
