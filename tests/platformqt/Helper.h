#pragma once
// Runs the helper program and the temporary folders the tests work in.
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <string>

namespace zantrel::testing {

// A fresh empty folder below the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline QString HelperPath() {
  return QString::fromUtf8(PLATFORM_HELPER);
}

// Reads a text file whole; empty when missing.
std::string ReadText(const std::filesystem::path& file);

}  // namespace zantrel::testing
