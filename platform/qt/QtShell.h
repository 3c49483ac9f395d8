#pragma once
// Documents and programs on a Linux desktop. Nothing passes through a command interpreter:
// parameters are split like a command line and handed over as separate arguments.
#include <chrono>
#include <set>

#include "platform/Shell.h"

namespace zantrel {

class Operator;

class QtShell : public Shell {
 public:
  // The operator picks the program in OpenWith; the commands come from the environment:
  // ZANTREL_VIEWER, ZANTREL_PRINT_COMMAND, ZANTREL_LOGOFF_COMMAND.
  explicit QtShell(Operator* op = nullptr);

  // "Open" (also "Edit", "Explore" and no verb) starts a program with the parameters, or hands
  // a document to the opener and then to the viewer; "Print" hands a document to the print
  // command. The window style has no meaning here.
  ShellResult Open(const std::string& verb, const std::string& file, const std::string& parameters,
                   const std::string& folder, int windowStyle) override;
  // The viewer when one is set, else the program the operator picks.
  ShellResult OpenWith(const std::string& file) override;
  std::optional<long> Start(const std::string& program, const std::vector<std::string>& args,
                            const std::string& folder) override;
  bool IsRunning(long pid) override;
  bool Terminate(long pid, bool force) override;
  // Runs the log-off command; without one there is no session to end and that is logged.
  void LogOff() override;

  std::string opener = "xdg-open";  // desktop's document opener, by name or path
  std::string viewer;               // command line; the document is added as last argument
  std::string printCommand;         // command line; empty: "lp" when installed
  std::string logOffCommand;        // command line
  // How long the opener or print command may take to report; one that is still running then
  // is taken as the viewer itself and left running.
  std::chrono::milliseconds patience{5000};

 private:
  ShellResult OpenDocument(const std::string& path);
  ShellResult PrintDocument(const std::string& path);
  // Starts the command and waits up to the patience: its exit code, -1 while still running,
  // nullopt when it could not start.
  std::optional<int> RunAndWait(const std::vector<std::string>& command);
  std::optional<long> StartCommandLine(const std::string& commandLine, const std::string& file);
  void ReapChildren();

  Operator* op_;
  std::set<long> children_;  // started by RunAndWait and still to be reaped
};

// A command line split into arguments: blanks separate, double quotes group, """ is a quote.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace zantrel
