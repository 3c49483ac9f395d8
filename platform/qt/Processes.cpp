#include "platform/qt/Processes.h"

#include <signal.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zantrel {

namespace {

// The fields of /proc/<pid>/stat after the command name: state first, start time at index 19.
std::optional<std::vector<std::string>> StatFields(long pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!in || !std::getline(in, line)) return std::nullopt;
  const auto close = line.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream rest(line.substr(close + 1));
  std::vector<std::string> fields;
  for (std::string f; rest >> f;) fields.push_back(f);
  return fields;
}

}  // namespace

bool ProcessAlive(long pid) {
  if (pid <= 0) return false;
  if (kill(pid_t(pid), 0) != 0 && errno != EPERM) return false;
  const auto fields = StatFields(pid);
  if (fields && !fields->empty() && ((*fields)[0] == "Z" || (*fields)[0] == "X")) return false;
  return true;
}

std::optional<unsigned long long> ProcessStartTime(long pid) {
  if (pid <= 0) return std::nullopt;
  const auto fields = StatFields(pid);
  if (!fields || fields->size() < 20) return std::nullopt;
  try {
    return std::stoull((*fields)[19]);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace zantrel
