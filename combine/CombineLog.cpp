#include "combine/CombineLog.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "combine/RunError.h"
#include "platform/Clock.h"
#include "platform/Operator.h"

namespace zantrel {

namespace {

std::string TimeOfDay(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

}  // namespace

CombineLog::CombineLog(std::filesystem::path folder, Clock& clock, Operator& op)
    : file_(std::move(folder) / "debug.txt"), clock_(clock), op_(op) {}

void CombineLog::Write(const std::string& message, int level) {
  if (level > 10) return;
  const std::string line = TimeOfDay(clock_.Now()) + ": " + message + "\r\n";
  errno = 0;
  std::FILE* out = std::fopen(file_.c_str(), "ab");
  bool written = out && std::fwrite(line.data(), 1, line.size(), out) == line.size();
  const int writeError = errno;
  if (out && std::fclose(out) != 0) written = false;
  if (written) {
    failureShown_ = false;
    return;
  }
  // Once, not for every entry of a run whose log cannot be written.
  if (failureShown_) return;
  failureShown_ = true;
  const RunError error =
      ErrorOf(std::error_code(writeError ? writeError : EIO, std::generic_category()));
  op_.Message("A severe error occurred in Combine.  Contact system administrator", "Combine");
  op_.Message(ErrorLine(error), "Combine");
}

}  // namespace zantrel
