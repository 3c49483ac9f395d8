#pragma once
// A temporary installation of the built programs, and running them unattended.
#include <QProcessEnvironment>
#include <filesystem>
#include <string>
#include <vector>

namespace zantrel::e2e {

struct Result {
  int exitCode = -1;
  bool finished = false;
  std::string out, err;
};

class Installation {
 public:
  Installation();  // an empty folder with the console binary in it
  ~Installation();

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path File(const std::string& name) const { return folder_ / name; }
  void Write(const std::string& name, const std::string& content);
  std::string Read(const std::string& name) const;

  // Runs the console with the operator answers (one per line) and the extra environment.
  Result RunConsole(const std::vector<std::string>& answers,
                    const std::vector<std::string>& args = {}, int timeoutMs = 30000);
  std::vector<std::string> Transcript() const;
  // Environment entries added to every run ("NAME=value").
  std::vector<std::string> environment;

 private:
  std::filesystem::path folder_;
};

}  // namespace zantrel::e2e
