#include "host/ipc/Protocol.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

namespace zantrel::host::ipc {

QString ServerName(const std::string& className) {
  const QByteArray overrideName = qgetenv("ZANTREL_KORMET_SERVER");
  if (!overrideName.isEmpty()) return QString::fromLocal8Bit(overrideName);
  QString folder = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::tempPath();
  return folder + "/" + Q(className) + "-" + QString::number(getuid());
}

QByteArray Encode(const QJsonObject& message) {
  QByteArray line = QJsonDocument(message).toJson(QJsonDocument::Compact);
  line.append('\n');
  return line;
}

std::optional<QJsonObject> LineReader::Next() {
  while (true) {
    const qsizetype end = buffer_.indexOf('\n');
    if (end < 0) return std::nullopt;
    const QByteArray line = buffer_.left(end);
    buffer_.remove(0, end + 1);
    const QJsonDocument doc = QJsonDocument::fromJson(line);
    if (doc.isObject()) return doc.object();
  }
}

QJsonObject EventMessage(const std::string& name, const EventRoutine* routine,
                         const EventCommand* command, int terminationType,
                         const std::string& text) {
  QJsonObject event{{"ev", Q(name)}};
  if (routine) {
    event["rn"] = Q(routine->name);
    event["rf"] = Q(routine->fullName);
  }
  if (command) {
    event["ci"] = command->index;
    event["cid"] = Q(command->id);
    event["cty"] = static_cast<double>(command->type);
    event["ct"] = Q(command->text);
  }
  event["t"] = terminationType;
  event["s"] = Q(text);
  return event;
}

void DeliverEvent(const QJsonObject& event, EventListener& listener) {
  const std::string name = S(event["ev"]);
  EventRoutine routine{S(event["rn"]), S(event["rf"])};
  EventCommand command{event["ci"].toInt(), S(event["cid"]),
                       static_cast<long>(event["cty"].toDouble()), S(event["ct"])};
  if (name == "OnEndExecution") {
    listener.OnEndExecution(routine, event["t"].toInt());
  } else if (name == "OnStartExecution") {
    listener.OnStartExecution(routine);
  } else if (name == "OnOpenPartProgram") {
    listener.OnOpenPartProgram(routine);
  } else if (name == "OnClosePartProgram") {
    listener.OnClosePartProgram(routine);
  } else if (name == "OnObjectAboutToExecute") {
    listener.OnObjectAboutToExecute(routine, command);
  } else if (name == "OnObjectExecuted") {
    listener.OnObjectExecuted(routine, command);
  } else if (name == "OnAddObject") {
    listener.OnAddObject(routine, command);
  } else if (name == "OnUpdateStatusMessage") {
    listener.OnUpdateStatusMessage(S(event["s"]));
  }
}

}  // namespace zantrel::host::ipc
