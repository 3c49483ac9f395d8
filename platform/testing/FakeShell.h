#pragma once
// Records what was opened and started; answers as told.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace zantrel {

class FakeShell : public Shell {
 public:
  struct Call {
    std::string what;  // "open", "openwith", "start", "terminate", "logoff"
    std::string verb;
    std::string file;
    std::string parameters;  // joined arguments for "start"
    std::vector<std::string> args;
    std::string folder;
  };

  ShellResult Open(const std::string& verb, const std::string& file, const std::string& parameters,
                   const std::string& folder, int windowStyle) override;
  ShellResult OpenWith(const std::string& file) override;
  std::optional<long> Start(const std::string& program, const std::vector<std::string>& args,
                            const std::string& folder) override;
  bool IsRunning(long pid) override { return running_.count(pid) > 0; }
  bool Terminate(long pid, bool force) override;
  void LogOff() override;

  std::vector<Call> calls;
  ShellResult openResult = ShellResult::Ok;
  bool startFails = false;

 private:
  long nextPid_ = 1000;
  std::set<long> running_;
};

}  // namespace zantrel
