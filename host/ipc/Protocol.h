#pragma once
// The wire between the host and its clients: one compact JSON object per line.
//   request  {"id":7,"o":"prog:3","m":"SetPartName","a":["X"]}
//   reply    {"r":7,"v":...}  or  {"r":7,"e":"text","k":"Refused"}
//   event
//   {"ev":"OnEndExecution","rn":name,"rf":fullName,"ci":1,"cid":"","cty":0,"ct":"","t":1,"s":""}
//   alive    {"ka":1}  (sent every second while a routine runs)
// Strings carry the system's bytes one to one (Latin-1 on the wire), so no text is changed.
#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>
#include <string>

#include "host/api/Events.h"

namespace zantrel::host::ipc {

inline constexpr int kProtocolVersion = 1;

// The socket of a class for this user: ZANTREL_KORMET_SERVER when set, else
// "<runtime folder>/<class name>-<user id>" with the runtime folder XDG_RUNTIME_DIR (when it
// exists) or the temporary folder.
QString ServerName(const std::string& className);

inline QString Q(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string S(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
inline std::string S(const QJsonValue& value) {
  return S(value.toString());
}

QByteArray Encode(const QJsonObject& message);

// Splits the received bytes into messages. A line that is not a JSON object is dropped.
class LineReader {
 public:
  void Append(const QByteArray& bytes) { buffer_.append(bytes); }
  std::optional<QJsonObject> Next();

 private:
  QByteArray buffer_;
};

// Events on the wire.
QJsonObject EventMessage(const std::string& name, const EventRoutine* routine,
                         const EventCommand* command, int terminationType, const std::string& text);
// Calls the listener's handler for the event; unknown events are ignored.
void DeliverEvent(const QJsonObject& event, EventListener& listener);

}  // namespace zantrel::host::ipc
