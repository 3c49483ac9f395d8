#include "tests/e2e/Installation.h"

#include <unistd.h>
#include <QProcess>
#include <QStringList>

#include <atomic>

#include "foundation/TextFile.h"

namespace zantrel::e2e {

namespace fs = std::filesystem;

Installation::Installation() {
  static std::atomic<int> counter{0};
  folder_ = fs::temp_directory_path() /
            ("zantrel-e2e-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  fs::copy_file(fs::path(ZANTREL_BINARY_DIR) / "console" / "zantrel", folder_ / "zantrel");
}

Installation::~Installation() {
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

void Installation::Write(const std::string& name, const std::string& content) {
  WriteAll(folder_ / name, content);
}

std::string Installation::Read(const std::string& name) const {
  auto content = ReadAll(folder_ / name);
  return content ? *content : "";
}

Result Installation::RunConsole(const std::vector<std::string>& answers,
                                const std::vector<std::string>& args, int timeoutMs) {
  std::string script;
  for (const auto& a : answers) script += a + "\n";
  Write("answers.txt", script);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("ZANTREL_OPERATOR_SCRIPT", QString::fromStdString(File("answers.txt").string()));
  env.insert("ZANTREL_USER_STORE", QString::fromStdString(File("user-store.ini").string()));
  env.insert("ZANTREL_EXIT_AFTER_START", "1");
  env.insert("QT_QPA_PLATFORM", "offscreen");
  for (const auto& entry : environment) {
    const size_t eq = entry.find('=');
    env.insert(QString::fromStdString(entry.substr(0, eq)),
               QString::fromStdString(entry.substr(eq + 1)));
  }
  QProcess process;
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(QString::fromStdString(folder_.string()));
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  process.start(QString::fromStdString(File("zantrel").string()), list);
  Result result;
  result.finished = process.waitForFinished(timeoutMs);
  if (!result.finished) process.kill(), process.waitForFinished(2000);
  result.exitCode = process.exitCode();
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  return result;
}

std::vector<std::string> Installation::Transcript() const {
  auto lines = ReadLines(folder_ / "answers.txt.transcript");
  return lines ? *lines : std::vector<std::string>{};
}

}  // namespace zantrel::e2e
