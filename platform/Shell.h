#pragma once
// Documents and programs: open with a verb, start a program, end a process, log off.
#include <optional>
#include <string>
#include <vector>

namespace zantrel {

enum class ShellResult { Ok, NoAssociation, NotFound, Failed };

class Shell {
 public:
  virtual ~Shell() = default;

  // Performs the verb ("Open", "Print") on the file. An executable file is started with the
  // parameters (split like a command line, quotes respected, never through an interpreter).
  virtual ShellResult Open(const std::string& verb, const std::string& file,
                           const std::string& parameters, const std::string& folder,
                           int windowStyle) = 0;
  // Lets the operator pick the program that opens the file.
  virtual ShellResult OpenWith(const std::string& file) = 0;
  // Starts a program with its arguments, each passed as one argument. Returns the process id.
  virtual std::optional<long> Start(const std::string& program,
                                    const std::vector<std::string>& args,
                                    const std::string& folder) = 0;
  // Whether the process is still running.
  virtual bool IsRunning(long pid) = 0;
  // Ends a process: politely, or at once when force is set.
  virtual bool Terminate(long pid, bool force) = 0;
  virtual void LogOff() = 0;
};

}  // namespace zantrel
