#include "host/ipc/Connection.h"

#include <algorithm>

#include "host/api/HostError.h"
#include "host/ipc/Protocol.h"

namespace zantrel::host::ipc {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

HostError::Kind KindOf(const QString& text) {
  if (text == "Gone") return HostError::Kind::Gone;
  if (text == "TimedOut") return HostError::Kind::TimedOut;
  if (text == "NotFound") return HostError::Kind::NotFound;
  return HostError::Kind::Refused;
}

}  // namespace

Connection::Connection(CallTimes times) : times_(times) {
  connect(&socket_, &QLocalSocket::readyRead, this, [this] { Pump(); });
}

Connection::~Connection() {
  socket_.disconnect(this);
  socket_.abort();
}

std::shared_ptr<Connection> Connection::Connect(const QString& serverName, CallTimes times) {
  std::shared_ptr<Connection> connection(new Connection(times));
  connection->socket_.connectToServer(serverName);
  if (!connection->socket_.waitForConnected(2000)) return nullptr;
  connection->lastHeard_ = Clock::now();
  return connection;
}

bool Connection::Connected() const {
  return socket_.state() == QLocalSocket::ConnectedState;
}

void Connection::Pump() {
  if (socket_.bytesAvailable() > 0) {
    reader_.Append(socket_.readAll());
    lastHeard_ = Clock::now();
    while (auto message = reader_.Next()) {
      if (message->contains("r")) {
        replies_[static_cast<qint64>((*message)["r"].toDouble())] = *message;
      } else if (message->contains("ev")) {
        events_.push_back(*message);
      }
    }
  }
  Dispatch();
}

void Connection::Dispatch() {
  // A handler that calls the host pumps again; its events wait for the outer loop, so every
  // listener sees the events one at a time and in order.
  if (dispatching_) return;
  dispatching_ = true;
  while (!events_.empty()) {
    const QJsonObject event = events_.front();
    events_.pop_front();
    const std::vector<EventListener*> listeners = listeners_;
    for (EventListener* listener : listeners) {
      if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) continue;
      DeliverEvent(event, *listener);
    }
  }
  dispatching_ = false;
}

void Connection::DeliverPending() {
  if (Connected()) socket_.waitForReadyRead(0);
  Pump();
}

QJsonValue Connection::Call(const std::string& ref, const char* method, const QJsonArray& args,
                            Wait wait, milliseconds extra) {
  if (!Connected()) throw HostError(HostError::Kind::Gone, "The host is no longer running.");
  const qint64 id = nextId_++;
  const QJsonObject request{
      {"id", static_cast<double>(id)}, {"o", Q(ref)}, {"m", method}, {"a", args}};
  socket_.write(Encode(request));
  socket_.flush();

  const auto started = Clock::now();
  lastHeard_ = started;
  const auto limit = times_.call + extra;
  while (true) {
    Pump();
    auto found = replies_.find(id);
    if (found != replies_.end()) {
      const QJsonObject reply = found->second;
      replies_.erase(found);
      if (reply.contains("e"))
        throw HostError(KindOf(reply["k"].toString()), S(reply["e"]) + " (" + method + ")");
      return reply["v"];
    }
    if (!Connected())
      throw HostError(HostError::Kind::Gone, std::string("The host ended during ") + method + ".");
    const auto now = Clock::now();
    const bool late = wait == Wait::Execute ? now - lastHeard_ > times_.executeSilence + extra
                                            : now - started > limit;
    if (late)
      throw HostError(HostError::Kind::TimedOut,
                      std::string("The host did not answer ") + method + " in time.");
    if (socket_.bytesToWrite() > 0) socket_.waitForBytesWritten(50);
    socket_.waitForReadyRead(100);
  }
}

void Connection::Attach(EventListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
    listeners_.push_back(listener);
  if (!subscribed_) {
    Call("events", "Subscribe");
    subscribed_ = true;
  }
}

void Connection::Detach(EventListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
  if (listeners_.empty() && subscribed_) {
    subscribed_ = false;
    // Detaching must work when the host is gone, too.
    try {
      if (Connected()) Call("events", "Unsubscribe");
    } catch (const HostError&) {
    }
  }
}

}  // namespace zantrel::host::ipc
