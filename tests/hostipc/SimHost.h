#pragma once
// A real kormetsim process for one test: its own host folder, socket and window folder, so
// tests never meet each other's hosts. The binding starts it (ZANTREL_KORMET_EXE); the
// destructor ends it by its process id if it is still running.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/api/HostApi.h"

namespace zantrel::testing {

class SimHost {
 public:
  // config: the content of kormetsim.ini (lines joined by "\n").
  explicit SimHost(const std::string& config = "");
  ~SimHost();
  SimHost(const SimHost&) = delete;
  SimHost& operator=(const SimHost&) = delete;

  const std::filesystem::path& Home() const { return home_; }
  std::filesystem::path Write(const std::string& name, const std::string& content) const;
  std::shared_ptr<host::Application> Bind(host::BindOptions options = {}) const;
  // The host's activity log so far.
  std::string Log() const;
  // Number of lines of the log containing the text.
  int LogCount(const std::string& text) const;
  // The host's process id from its log, 0 before it started.
  long Pid() const;
  // Every host process this test started, in order.
  std::vector<long> Pids() const;
  bool Alive() const;
  static bool Alive(long pid);
  // Waits (bounded) until the host process has ended.
  bool WaitEnded() const;

  static std::string Executable();

 private:
  std::filesystem::path folder_;
  std::filesystem::path home_;
};

}  // namespace zantrel::testing
