#include "platform/qt/QSettingsUserStore.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/Format.h"
#include "platform/qt/QtText.h"

namespace zantrel {

namespace {

// "Software\Maker\App" as its groups; empty parts ("\\", a leading "\") are dropped.
QStringList Segments(const std::string& keyPath) {
  QStringList parts;
  for (const QString& part :
       ToQString(keyPath).split(QRegularExpression("[\\\\/]"), Qt::SkipEmptyParts))
    parts << part.trimmed();
  parts.removeAll(QString());
  return parts;
}

QString Matching(const QStringList& existing, const QString& name) {
  for (const QString& e : existing)
    if (e.compare(name, Qt::CaseInsensitive) == 0) return e;
  return name;
}

// Enters the groups of the path, taking each group's existing spelling.
void EnterPath(QSettings& settings, const QStringList& segments) {
  for (const QString& s : segments) settings.beginGroup(Matching(settings.childGroups(), s));
}

std::optional<std::string> Read(QSettings& settings, const QStringList& segments,
                                const std::string& name) {
  EnterPath(settings, segments);
  const QString key = Matching(settings.childKeys(), ToQString(name));
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  return FromQString(value.toString());
}

void Store(QSettings& settings, const QStringList& segments, const std::string& name,
           const std::string& value) {
  EnterPath(settings, segments);
  settings.setValue(Matching(settings.childKeys(), ToQString(name)), ToQString(value));
  while (!settings.group().isEmpty()) settings.endGroup();
  settings.sync();
}

void Log(const std::string& text, int level) {
  if (HasContext()) DebugLog(text, level);
}

}  // namespace

std::filesystem::path QSettingsUserStore::DefaultFile() {
  const char* file = std::getenv("ZANTREL_USER_STORE");
  if (file && *file) return file;
  QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (config.isEmpty()) config = QDir::homePath() + "/.config";
  return std::filesystem::path(PathFromQString(config)) / "zantrel" / "registry.ini";
}

QSettingsUserStore::QSettingsUserStore(std::string application)
    : QSettingsUserStore(std::move(application), DefaultFile()) {}

QSettingsUserStore::QSettingsUserStore(std::string application, std::filesystem::path file)
    : application_(std::move(application)), file_(std::move(file)) {}

std::string QSettingsUserStore::AreaPath(const std::string& section) const {
  return "Software\\" + application_ + "\\" + section;
}

std::optional<std::string> QSettingsUserStore::Get(const std::string& section,
                                                   const std::string& key) {
  return GetUserValue(AreaPath(section), key);
}

void QSettingsUserStore::Set(const std::string& section, const std::string& key,
                             const std::string& value) {
  QSettings settings(PathToQString(file_.string()), QSettings::IniFormat);
  Store(settings, Segments(AreaPath(section)), key, value);
  if (settings.status() != QSettings::NoError)
    Log("UserStore: Unable to write " + key + " to " + file_.string(), 0);
}

void QSettingsUserStore::SetUserValue(const std::string& keyPath, const std::string& valueName,
                                      const std::string& value, int kind) {
  std::string stored = value;
  if (kind == 4) {
    // A 32-bit number; text that is not a number counts as 0.
    const long long number = NumberOr(value, 0);
    if (number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max()) {
      Log("UserStore: " + value + " is not a 32-bit number; " + valueName + " is left as it is.",
          0);
      return;
    }
    stored = std::to_string(number);
  } else if (kind != 1) {
    return;
  }
  QSettings settings(PathToQString(file_.string()), QSettings::IniFormat);
  Store(settings, Segments(keyPath), valueName, stored);
  if (settings.status() != QSettings::NoError)
    Log("UserStore: Unable to write " + valueName + " to " + file_.string(), 0);
}

std::optional<std::string> QSettingsUserStore::GetUserValue(const std::string& keyPath,
                                                            const std::string& valueName) {
  QSettings settings(PathToQString(file_.string()), QSettings::IniFormat);
  return Read(settings, Segments(keyPath), valueName);
}

}  // namespace zantrel
