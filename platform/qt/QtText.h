#pragma once
// Texts between the system's byte strings and Qt: shown as UTF-8 when valid, else as
// Windows-1252; handed back as UTF-8.
#include <QString>
#include <string>

namespace zantrel {

QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// Native paths pass as the file system's bytes.
QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);

}  // namespace zantrel
