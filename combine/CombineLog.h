#pragma once
// The combiner's own debug log: "debug.txt" in its program folder, appended to, one
// "hh:mm:ss: message" line per entry.
#include <filesystem>
#include <string>

namespace zantrel {

class Clock;
class Operator;

class CombineLog {
 public:
  CombineLog(std::filesystem::path folder, Clock& clock, Operator& op);

  // Entries above level 10 are not written.
  void Write(const std::string& message, int level = 0);

  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
  Clock& clock_;
  Operator& op_;
  bool failureShown_ = false;
};

}  // namespace zantrel
