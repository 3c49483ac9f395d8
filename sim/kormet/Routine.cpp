#include "sim/kormet/Routine.h"

#include <charconv>
#include <cmath>

#include "foundation/StringM.h"

namespace zantrel::kormetsim {

namespace {

std::optional<double> Number(const std::string& text) {
  double value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (begin != end && *begin == '+') ++begin;
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || begin == end) return std::nullopt;
  return value;
}

std::string NumberText(double value) {
  char buffer[64];
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, ptr) : "0";
}

std::string Quoted(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
  std::string out = "\"";
  for (char c : word) out += c == '"' ? '\'' : c;
  return out + "\"";
}

// NAME = VALUE, the "=" optional.
bool NameValue(const std::vector<std::string>& words, RoutineCommand& command) {
  if (words.size() < 2) return false;
  command.name = words[1];
  size_t next = 2;
  if (next < words.size() && words[next] == "=") ++next;
  std::string value;
  for (size_t i = next; i < words.size(); ++i) value += (value.empty() ? "" : " ") + words[i];
  command.value = value;
  return true;
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (char c : line) {
    if (quoted) {
      if (c == '"')
        quoted = false;
      else
        word += c;
    } else if (c == '"') {
      quoted = true;
      inWord = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::optional<RoutineCommand> ParseCommand(const std::string& line, std::string& error) {
  std::vector<std::string> words = SplitWords(line);
  RoutineCommand c;
  if (!words.empty() && EqualsNoCase(words[0], "BP")) {
    c.breakpoint = true;
    words.erase(words.begin());
  }
  if (words.empty()) {
    error = "empty command";
    return std::nullopt;
  }
  const std::string key = UCase(words[0]);
  const size_t n = words.size();
  auto values = [&](size_t first) {
    // measured nominal plus minus
    if (n == first) return true;
    if (n != first + 4) return false;
    double* targets[] = {&c.measured, &c.nominal, &c.plus, &c.minus};
    for (size_t i = 0; i < 4; ++i) {
      auto v = Number(words[first + i]);
      if (!v) return false;
      *targets[i] = *v;
    }
    c.hasValues = true;
    return true;
  };
  auto rest = [&] { c.args.assign(words.begin() + 1, words.end()); };

  if (key == "COMMENT") {
    c.kind = Kind::Comment;
    c.type = kTypeComment;
    rest();
  } else if (key == "DIM") {
    c.kind = Kind::Dimension;
    auto type = n >= 3 ? Number(words[2]) : std::nullopt;
    if (!type || !values(3)) {
      error = "DIM needs an identifier, a type number and optionally four values";
      return std::nullopt;
    }
    c.id = words[1];
    c.type = static_cast<long>(*type);
  } else if (key == "AXIS") {
    c.kind = Kind::Axis;
    auto type = n >= 2 ? Number(words[1]) : std::nullopt;
    if (!type || n != 6 || !values(2)) {
      error = "AXIS needs a type number and four values";
      return std::nullopt;
    }
    c.type = static_cast<long>(*type);
  } else if (key == "ASSIGN" || key == "TRACE") {
    c.kind = key == "ASSIGN" ? Kind::Assign : Kind::Trace;
    c.type = key == "ASSIGN" ? kTypeAssign : kTypeTrace;
    if (!NameValue(words, c)) {
      error = key + " needs a name";
      return std::nullopt;
    }
  } else if (key == "LOADPROBE") {
    c.kind = Kind::LoadProbe;
    c.type = kTypeLoadProbe;
    if (n != 2) {
      error = "LOADPROBE needs one probe file";
      return std::nullopt;
    }
    c.name = words[1];
  } else if (key == "STATUS") {
    c.kind = Kind::Status;
    c.type = kTypeStatus;
    rest();
  } else if (key == "RUN" || key == "RUNWAIT") {
    c.kind = Kind::Run;
    c.type = kTypeRun;
    c.wait = key == "RUNWAIT";
    if (n < 2) {
      error = key + " needs a program";
      return std::nullopt;
    }
    rest();
  } else if (key == "PAUSE" || key == "HANG") {
    c.kind = key == "PAUSE" ? Kind::Pause : Kind::Hang;
    c.type = key == "PAUSE" ? kTypePause : kTypeHang;
    auto seconds = n == 2 ? Number(words[1]) : std::nullopt;
    if (!seconds || *seconds < 0) {
      error = key + " needs a number of seconds";
      return std::nullopt;
    }
    c.seconds = *seconds;
  } else if (key == "CANCEL" || key == "CRASH") {
    c.kind = key == "CANCEL" ? Kind::Cancel : Kind::Crash;
    c.type = key == "CANCEL" ? kTypeCancel : kTypeCrash;
  } else if (key == "REPORT") {
    c.kind = Kind::Report;
    c.type = kTypeReport;
    if (n != 2) {
      error = "REPORT needs one file";
      return std::nullopt;
    }
    rest();
  } else if (key == "SCAN") {
    c.kind = Kind::Scan;
    c.type = kTypeScan;
    if (n != 4) {
      error = "SCAN needs the input file, the nominal file or folder and the output file";
      return std::nullopt;
    }
    rest();
  } else if (key == "INSERT") {
    c.kind = Kind::Insert;
    c.type = kTypeInsert;
    if (n < 2) {
      error = "INSERT needs a command";
      return std::nullopt;
    }
    rest();
  } else {
    error = "unknown command " + words[0];
    return std::nullopt;
  }
  return c;
}

std::string RoutineCommand::Text() const {
  std::string text = breakpoint ? "BP " : "";
  auto valueText = [&] {
    if (!hasValues) return std::string();
    return " " + NumberText(measured) + " " + NumberText(nominal) + " " + NumberText(plus) + " " +
           NumberText(minus);
  };
  auto joined = [&](const std::string& key) {
    std::string out = key;
    for (const auto& a : args) out += " " + Quoted(a);
    return out;
  };
  switch (kind) {
    case Kind::Comment:
      return text + joined("COMMENT");
    case Kind::Dimension:
      return text + "DIM " + Quoted(id) + " " + std::to_string(type) + valueText();
    case Kind::Axis:
      return text + "AXIS " + std::to_string(type) + valueText();
    case Kind::Assign:
      return text + "ASSIGN " + Quoted(name) + " = " + Quoted(value);
    case Kind::Trace:
      return text + "TRACE " + Quoted(name) + " = " + Quoted(value);
    case Kind::LoadProbe:
      return text + "LOADPROBE " + Quoted(name);
    case Kind::Status:
      return text + joined("STATUS");
    case Kind::Run:
      return text + joined(wait ? "RUNWAIT" : "RUN");
    case Kind::Pause:
      return text + "PAUSE " + NumberText(seconds);
    case Kind::Cancel:
      return text + "CANCEL";
    case Kind::Report:
      return text + joined("REPORT");
    case Kind::Scan:
      return text + joined("SCAN");
    case Kind::Insert:
      return text + joined("INSERT");
    case Kind::Crash:
      return text + "CRASH";
    case Kind::Hang:
      return text + "HANG " + NumberText(seconds);
  }
  return text;
}

int Routine::IndexOf(int uid) const {
  for (size_t i = 0; i < commands.size(); ++i)
    if (commands[i].uid == uid) return static_cast<int>(i);
  return -1;
}

std::optional<Routine> ParseRoutine(const std::vector<std::string>& lines, std::string& error) {
  Routine routine;
  int number = 0;
  for (const std::string& raw : lines) {
    ++number;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '!') continue;
    const auto words = SplitWords(line);
    if (EqualsNoCase(words[0], "PARTNAME") || EqualsNoCase(words[0], "SERIAL")) {
      std::string value;
      for (size_t i = 1; i < words.size(); ++i) value += (i > 1 ? " " : "") + words[i];
      (EqualsNoCase(words[0], "PARTNAME") ? routine.partName : routine.serialNumber) = value;
      continue;
    }
    std::string reason;
    auto command = ParseCommand(line, reason);
    if (!command) {
      error = "line " + std::to_string(number) + ": " + reason;
      return std::nullopt;
    }
    command->uid = routine.nextUid++;
    routine.commands.push_back(*command);
  }
  return routine;
}

std::vector<std::string> RoutineLines(const Routine& routine) {
  std::vector<std::string> lines{"! Kormet routine " + routine.Name()};
  if (!routine.partName.empty()) lines.push_back("PARTNAME " + Quoted(routine.partName));
  if (!routine.serialNumber.empty()) lines.push_back("SERIAL " + Quoted(routine.serialNumber));
  for (const auto& command : routine.commands) lines.push_back(command.Text());
  return lines;
}

}  // namespace zantrel::kormetsim
