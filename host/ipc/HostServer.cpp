#include "host/ipc/HostServer.h"

#include <QLocalSocket>

#include "host/api/HostError.h"

namespace zantrel::host::ipc {

HostServer::HostServer(RequestHandler& handler) : handler_(handler) {
  connect(&server_, &QLocalServer::newConnection, this, &HostServer::Accept);
}

HostServer::~HostServer() {
  for (auto& [id, client] : clients_) {
    client.socket->disconnect(this);
    client.socket->abort();
  }
  server_.close();
}

bool HostServer::Listen(const QString& name, std::string& error) {
  // Never take the name from a host that still answers.
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(500)) {
    error = "Another host is already running under " + S(name) + ".";
    return false;
  }
  QLocalServer::removeServer(name);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(name)) {
    error = "Cannot listen under " + S(name) + ": " + S(server_.errorString());
    return false;
  }
  return true;
}

void HostServer::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    const int id = nextClient_++;
    clients_[id].socket = socket;
    connect(socket, &QLocalSocket::readyRead, this, [this, id] { Read(id); });
    connect(socket, &QLocalSocket::disconnected, this, [this, id] {
      auto found = clients_.find(id);
      if (found == clients_.end()) return;
      found->second.socket->deleteLater();
      clients_.erase(found);
      handler_.ClientGone(id);
    });
  }
}

void HostServer::Read(int client) {
  auto found = clients_.find(client);
  if (found == clients_.end()) return;
  found->second.reader.Append(found->second.socket->readAll());
  while (true) {
    found = clients_.find(client);
    if (found == clients_.end()) return;
    auto message = found->second.reader.Next();
    if (!message) return;
    const qint64 id = static_cast<qint64>((*message)["id"].toDouble());
    const std::string ref = S((*message)["o"]);
    const std::string method = S((*message)["m"]);
    if (ref == "events" && (method == "Subscribe" || method == "Unsubscribe")) {
      found->second.subscribed = method == "Subscribe";
      Reply(client, id, QJsonValue());
      continue;
    }
    try {
      if (auto value = handler_.Handle(client, id, ref, method, (*message)["a"].toArray()))
        Reply(client, id, *value);
    } catch (const HostError& error) {
      Fail(client, id, error.what());
    } catch (const std::exception& error) {
      Fail(client, id, error.what());
    }
  }
}

void HostServer::Send(int client, const QJsonObject& message) {
  auto found = clients_.find(client);
  if (found == clients_.end()) return;
  found->second.socket->write(Encode(message));
  found->second.socket->flush();
}

void HostServer::Reply(int client, qint64 id, const QJsonValue& value) {
  Send(client, QJsonObject{{"r", static_cast<double>(id)}, {"v", value}});
}

void HostServer::Fail(int client, qint64 id, const std::string& message, const char* kind) {
  Send(client, QJsonObject{{"r", static_cast<double>(id)}, {"e", Q(message)}, {"k", kind}});
}

void HostServer::SendEvent(const QJsonObject& event) {
  std::vector<int> targets;
  for (const auto& [id, client] : clients_)
    if (client.subscribed) targets.push_back(id);
  for (int id : targets) Send(id, event);
}

void HostServer::KeepAlive(int client) {
  Send(client, QJsonObject{{"ka", 1}});
}

void HostServer::Flush() {
  for (auto& [id, client] : clients_) {
    client.socket->flush();
    if (client.socket->bytesToWrite() > 0) client.socket->waitForBytesWritten(500);
  }
}

}  // namespace zantrel::host::ipc
