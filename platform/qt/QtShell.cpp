#include "platform/qt/QtShell.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "platform/Operator.h"
#include "platform/qt/Processes.h"
#include "platform/qt/QtText.h"

extern char** environ;

namespace zantrel {

namespace {

void Log(const std::string& text, int level) {
  if (HasContext()) DebugLog(text, level);
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// An executable program: the execute permission alone would also take documents on file
// systems that mark every file executable.
bool IsProgram(const std::string& path) {
  QFileInfo info(PathToQString(path));
  if (!info.isFile() || access(path.c_str(), X_OK) != 0) return false;
  std::ifstream in(path, std::ios::binary);
  char head[4] = {};
  in.read(head, 4);
  if (in.gcount() >= 4 && head[0] == 0x7f && head[1] == 'E' && head[2] == 'L' && head[3] == 'F')
    return true;
  return in.gcount() >= 2 && head[0] == '#' && head[1] == '!';
}

// A program by path, or by name on the PATH; empty when there is none.
std::string FindProgram(const std::string& name) {
  if (name.empty()) return "";
  if (name.find('/') != std::string::npos) return IsProgram(name) ? name : "";
  const QString found = QStandardPaths::findExecutable(PathToQString(name));
  return found.isEmpty() ? "" : PathFromQString(found);
}

QStringList ToQStringList(const std::vector<std::string>& args) {
  QStringList list;
  for (const auto& a : args) list << ToQString(a);
  return list;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> args;
  for (const QString& a : QProcess::splitCommand(ToQString(commandLine)))
    args.push_back(FromQString(a));
  return args;
}

QtShell::QtShell(Operator* op)
    : viewer(Env("ZANTREL_VIEWER")),
      printCommand(Env("ZANTREL_PRINT_COMMAND")),
      logOffCommand(Env("ZANTREL_LOGOFF_COMMAND")),
      op_(op) {}

ShellResult QtShell::Open(const std::string& verb, const std::string& file,
                          const std::string& parameters, const std::string& folder,
                          int /*windowStyle*/) {
  ReapChildren();
  const std::string what = LCase(Trim(verb));
  const bool open = what.empty() || what == "open" || what == "edit" || what == "explore";
  const bool print = what == "print" || what == "printto";
  if (!open && !print) {
    Log("Shell: No program for the verb " + verb + " on " + file, 9);
    return ShellResult::NoAssociation;
  }
  std::string path = Trim(file);
  if (path.empty()) return ShellResult::NotFound;
  bool program = false;
  if (QFileInfo::exists(PathToQString(path))) {
    program = IsProgram(path);
  } else if (path.find('/') == std::string::npos && !FindProgram(path).empty()) {
    path = FindProgram(path);
    program = true;
  } else if (path.find("://") == std::string::npos) {
    Log("Shell: " + path + " not found.", 9);
    return ShellResult::NotFound;
  }
  if (print) {
    if (program || QFileInfo(PathToQString(path)).isDir()) return ShellResult::NoAssociation;
    return PrintDocument(path);
  }
  if (!program) return OpenDocument(path);
  return Start(path, SplitCommandLine(parameters), folder) ? ShellResult::Ok : ShellResult::Failed;
}

ShellResult QtShell::OpenDocument(const std::string& path) {
  const std::string openerPath = FindProgram(opener);
  if (!openerPath.empty()) {
    const auto code = RunAndWait({openerPath, path});
    if (code && (*code == 0 || *code == -1)) return ShellResult::Ok;
    Log("Shell: " + opener + " could not open " + path +
            (code ? " (exit code " + std::to_string(*code) + ")." : "."),
        9);
  }
  if (!Trim(viewer).empty()) {
    if (StartCommandLine(viewer, path)) return ShellResult::Ok;
    Log("Shell: The viewer " + viewer + " could not be started for " + path + ".", 0);
  }
  return ShellResult::NoAssociation;
}

ShellResult QtShell::PrintDocument(const std::string& path) {
  std::vector<std::string> command = SplitCommandLine(printCommand);
  if (command.empty()) {
    if (FindProgram("lp").empty()) {
      Log("Shell: No print command for " + path + ".", 9);
      return ShellResult::NoAssociation;
    }
    command = {"lp"};
  }
  const std::string program = FindProgram(command[0]);
  if (program.empty()) {
    Log("Shell: The print command " + command[0] + " was not found.", 0);
    return ShellResult::NoAssociation;
  }
  command[0] = program;
  command.push_back(path);
  const auto code = RunAndWait(command);
  if (!code) return ShellResult::NoAssociation;
  if (*code == 0 || *code == -1) return ShellResult::Ok;
  Log("Shell: Printing " + path + " failed (exit code " + std::to_string(*code) + ").", 0);
  return ShellResult::Failed;
}

std::optional<int> QtShell::RunAndWait(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const auto& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return std::nullopt;
  const auto until = std::chrono::steady_clock::now() + patience;
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      if (WIFEXITED(status)) return WEXITSTATUS(status);
      return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    }
    if (done < 0 && errno != EINTR) return std::nullopt;
    if (std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  children_.insert(pid);
  return -1;
}

void QtShell::ReapChildren() {
  for (auto it = children_.begin(); it != children_.end();) {
    int status = 0;
    const pid_t done = waitpid(pid_t(*it), &status, WNOHANG);
    it = done == 0 ? std::next(it) : children_.erase(it);
  }
}

std::optional<long> QtShell::StartCommandLine(const std::string& commandLine,
                                              const std::string& file) {
  std::vector<std::string> command = SplitCommandLine(commandLine);
  if (command.empty()) return std::nullopt;
  const std::string program = command[0];
  command.erase(command.begin());
  if (!file.empty()) command.push_back(file);
  return Start(program, command, "");
}

ShellResult QtShell::OpenWith(const std::string& file) {
  if (!Trim(viewer).empty() && StartCommandLine(viewer, file)) return ShellResult::Ok;
  if (!op_) return ShellResult::NoAssociation;
  const std::string title = HasContext() ? Translate("Open With") : "Open With";
  const auto chosen = op_->OpenFile(title, "Programs|*", "/usr/bin", "");
  if (!chosen) return ShellResult::NoAssociation;
  const std::string program = FindProgram(*chosen);
  if (program.empty()) {
    Log("Shell: " + *chosen + " is not a program.", 0);
    return ShellResult::Failed;
  }
  return Start(program, {file}, "") ? ShellResult::Ok : ShellResult::Failed;
}

std::optional<long> QtShell::Start(const std::string& program, const std::vector<std::string>& args,
                                   const std::string& folder) {
  qint64 pid = 0;
  const QString workingFolder = folder.empty() ? QString() : PathToQString(folder);
  if (!QProcess::startDetached(PathToQString(program), ToQStringList(args), workingFolder, &pid)) {
    Log("Shell: " + program + " could not be started.", 0);
    return std::nullopt;
  }
  Log("Shell: Started " + program + " as process " + std::to_string(pid) + ".", 9);
  return long(pid);
}

bool QtShell::IsRunning(long pid) {
  if (pid <= 0) return false;
  if (children_.count(pid)) {
    int status = 0;
    if (waitpid(pid_t(pid), &status, WNOHANG) != 0) {
      children_.erase(pid);
      return false;
    }
    return true;
  }
  return ProcessAlive(pid);
}

bool QtShell::Terminate(long pid, bool force) {
  // kill with 0 or -1 would reach a whole group or every process of the user.
  if (pid <= 0 || !IsRunning(pid)) return false;
  const bool sent = kill(pid_t(pid), force ? SIGKILL : SIGTERM) == 0;
  ReapChildren();
  return sent;
}

void QtShell::LogOff() {
  if (Trim(logOffCommand).empty()) {
    Log("Shell: LogOff: No log-off command is set (ZANTREL_LOGOFF_COMMAND); the session stays.", 0);
    return;
  }
  if (!StartCommandLine(logOffCommand, "")) Log("Shell: LogOff: " + logOffCommand + " failed.", 0);
}

}  // namespace zantrel
