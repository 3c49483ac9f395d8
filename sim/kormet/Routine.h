#pragma once
// Routines of the simulated host: the ".prg" routine language (README.md) and its commands.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zantrel::kormetsim {

enum class Kind {
  Comment,
  Dimension,  // DIM: a named dimension, with or without values
  Axis,       // AXIS: an axis line of the dimension above, no identifier
  Assign,     // ASSIGN: a flow-control command
  Trace,      // TRACE
  LoadProbe,  // LOADPROBE
  Status,     // STATUS: a status message
  Run,        // RUN / RUNWAIT
  Pause,
  Cancel,
  Report,
  Scan,
  Insert,
  Crash,
  Hang,
};

// Type numbers of the commands that are not dimensions.
inline constexpr long kTypeComment = 1;
inline constexpr long kTypeStatus = 2;
inline constexpr long kTypeLoadProbe = 60;
inline constexpr long kTypeAssign = 195;
inline constexpr long kTypeTrace = 196;
inline constexpr long kTypeRun = 41;
inline constexpr long kTypePause = 42;
inline constexpr long kTypeCancel = 43;
inline constexpr long kTypeReport = 44;
inline constexpr long kTypeScan = 45;
inline constexpr long kTypeInsert = 46;
inline constexpr long kTypeCrash = 47;
inline constexpr long kTypeHang = 48;

struct RoutineCommand {
  int uid = 0;  // stable while the routine is open
  Kind kind = Kind::Comment;
  bool breakpoint = false;
  bool wait = false;  // RUNWAIT
  std::string id;     // DIM only
  long type = 0;
  bool hasValues = false;
  double measured = 0, nominal = 0, plus = 0, minus = 0;
  std::string name;               // ASSIGN / TRACE name, LOADPROBE probe
  std::string value;              // ASSIGN / TRACE value
  std::vector<std::string> args;  // the other commands' words
  double seconds = 0;             // PAUSE, HANG

  double Deviation() const { return measured - nominal; }
  // The command as one line of the language (also the text its events carry).
  std::string Text() const;
};

struct Routine {
  std::filesystem::path file;
  std::string partName;
  std::string serialNumber;
  std::vector<RoutineCommand> commands;
  int nextUid = 1;

  std::string Name() const { return file.filename().string(); }
  // Index of the command, or -1.
  int IndexOf(int uid) const;
};

// Words of a line: blanks separate, double quotes keep blanks ("a b" is one word).
std::vector<std::string> SplitWords(const std::string& line);

// One command from a line; nullopt with the reason when the line is not a command.
std::optional<RoutineCommand> ParseCommand(const std::string& line, std::string& error);
// A whole routine. error names the line number and the reason.
std::optional<Routine> ParseRoutine(const std::vector<std::string>& lines, std::string& error);
std::vector<std::string> RoutineLines(const Routine& routine);

}  // namespace zantrel::kormetsim
