#include "platform/testing/FakeShell.h"

namespace zantrel {

ShellResult FakeShell::Open(const std::string& verb, const std::string& file,
                            const std::string& parameters, const std::string& folder, int) {
  calls.push_back({"open", verb, file, parameters, {}, folder});
  return openResult;
}

ShellResult FakeShell::OpenWith(const std::string& file) {
  calls.push_back({"openwith", "", file, "", {}, ""});
  return ShellResult::Ok;
}

std::optional<long> FakeShell::Start(const std::string& program,
                                     const std::vector<std::string>& args,
                                     const std::string& folder) {
  std::string joined;
  for (const auto& a : args) joined += (joined.empty() ? "" : " ") + a;
  calls.push_back({"start", "", program, joined, args, folder});
  if (startFails) return std::nullopt;
  const long pid = nextPid_++;
  running_.insert(pid);
  return pid;
}

bool FakeShell::Terminate(long pid, bool force) {
  calls.push_back({"terminate", force ? "force" : "polite", std::to_string(pid), "", {}, ""});
  return running_.erase(pid) > 0;
}

void FakeShell::LogOff() {
  calls.push_back({"logoff", "", "", "", {}, ""});
}

}  // namespace zantrel
