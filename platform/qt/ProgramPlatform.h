#pragma once
// The platform services of one program run, built from the environment, and the frame every
// program's main runs in.
//
// Unattended runs: when ZANTREL_OPERATOR_SCRIPT names a file, the operator answers from it
// (one answer a line: Yes, No, OK, Cancel, "input: text", "file: path", "folder: path") and
// writes a transcript beside it (same name + ".transcript"). A question the script does not
// answer ends the program at once with exit code 3, the error on stderr and in the transcript.
// ZANTREL_OPERATOR_SCRIPT_<PROGRAM> (e.g. ..._DEVTAB) gives one program its own script. The
// programs an unattended program starts run unattended too: without a script of their own
// they answer nothing, so their first question ends them (transcript "<script>.<program>
// .transcript") instead of waiting for an operator who is not there.
#include <QApplication>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/MapDrives.h"
#include "platform/Platform.h"

namespace zantrel {

class Operator;
class ScriptedOperator;
class QtClock;
class QtShell;
class FileWindowRegistry;
class QSettingsUserStore;
class WindowPublisher;

// Exit code of a run that met a question its script does not answer.
inline constexpr int kUnansweredExitCode = 3;
// Exit code of a run whose operator script cannot be read.
inline constexpr int kSetupExitCode = 2;

// The unattended run's script cannot be used.
class ProgramSetupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ProgramPlatform {
 public:
  // The program's name ("Zantrel", "Devtab", "combine", "kormetsim") names its user store
  // area and its own script variable. Needs the QApplication. Throws ProgramSetupError.
  explicit ProgramPlatform(const std::string& programName);
  ~ProgramPlatform();
  ProgramPlatform(const ProgramPlatform&) = delete;
  ProgramPlatform& operator=(const ProgramPlatform&) = delete;

  // Every service but RichText, which the program sets itself.
  Platform& Services() { return platform_; }
  bool Unattended() const { return scripted_ != nullptr; }
  // The script's operator in an unattended run, else null.
  ScriptedOperator* Script() const { return scripted_; }
  const std::string& Transcript() const { return transcript_; }
  FileWindowRegistry& Windows() { return *windows_; }
  QtShell& Shell() { return *shell_; }
  const std::string& ProgramName() const { return name_; }

  // Ends the program after a question the script does not answer: the error on stderr, in the
  // transcript and in the debug log, the windows withdrawn, exit code 3.
  [[noreturn]] void EndUnanswered(const std::string& error);

 private:
  std::string name_;
  std::string transcript_;
  std::unique_ptr<Operator> op_;
  ScriptedOperator* scripted_ = nullptr;
  std::unique_ptr<QtClock> clock_;
  std::unique_ptr<FileWindowRegistry> windows_;
  std::unique_ptr<QtShell> shell_;
  MapDrives drives_;
  std::unique_ptr<QSettingsUserStore> store_;
  std::unique_ptr<WindowPublisher> publisher_;
  Platform platform_;
};

// The QApplication of a program: an unanswered question or an error that escapes an event
// handler ends the program with a clear message instead of an abort.
class ProgramApplication : public QApplication {
 public:
  ProgramApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override;
  ProgramPlatform* platform = nullptr;
};

// Runs a program: its QApplication, its platform, then the body (which installs its context,
// shows its windows and usually returns QApplication::exec()). Returns the exit code.
int RunProgram(int argc, char** argv, const std::string& programName,
               const std::function<int(ProgramPlatform&)>& body);

}  // namespace zantrel
