#include "platform/qt/ProgramPlatform.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/TextFile.h"
#include "platform/qt/FileWindowRegistry.h"
#include "platform/qt/PublishedWindow.h"
#include "platform/qt/QSettingsUserStore.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtOperator.h"
#include "platform/qt/QtShell.h"
#include "platform/testing/ScriptedOperator.h"

namespace zantrel {

namespace {

constexpr const char* kScript = "ZANTREL_OPERATOR_SCRIPT";
constexpr const char* kUnattended = "ZANTREL_UNATTENDED";

std::string Env(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? value : "";
}

std::string EnvName(const std::string& programName) {
  std::string name;
  for (unsigned char c : programName) name += std::isalnum(c) ? char(std::toupper(c)) : '_';
  return name;
}

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The scripted operator of an unattended run. A question without an answer ends the program
// here, before the error can travel through (and be swallowed by) the program's own handlers.
class UnattendedOperator : public Operator {
 public:
  explicit UnattendedOperator(ProgramPlatform& program) : program_(program) {}

  Answer Box(const std::string& text, const std::string& title, Buttons buttons) override {
    try {
      return script.Box(text, title, buttons);
    } catch (const UnansweredQuestion& e) {
      program_.EndUnanswered(e.what());
    }
  }
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) override {
    try {
      return script.Input(prompt, title, defaultText);
    } catch (const UnansweredQuestion& e) {
      program_.EndUnanswered(e.what());
    }
  }
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& initialFolder,
                                      const std::string& initialName) override {
    try {
      return script.OpenFile(title, filter, initialFolder, initialName);
    } catch (const UnansweredQuestion& e) {
      program_.EndUnanswered(e.what());
    }
  }
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initialFolder) override {
    try {
      return script.ChooseFolder(title, initialFolder);
    } catch (const UnansweredQuestion& e) {
      program_.EndUnanswered(e.what());
    }
  }
  void SetBusy(bool busy) override { script.SetBusy(busy); }

  ScriptedOperator script;

 private:
  ProgramPlatform& program_;
};

}  // namespace

ProgramPlatform::ProgramPlatform(const std::string& programName)
    : name_(programName), drives_(MapDrives::FromEnvironment()) {
  std::string script = Env(std::string(kScript) + "_" + EnvName(programName));
  if (script.empty()) {
    script = Env(kScript);
    // The general script is this program's; what it starts must not answer from it again.
    if (!script.empty()) unsetenv(kScript);
  }
  if (!script.empty()) {
    transcript_ = script + ".transcript";
  } else if (!Env(kUnattended).empty()) {
    transcript_ = Env(kUnattended) + "." + Lower(EnvName(programName)) + ".transcript";
  }

  if (!transcript_.empty()) {
    auto unattended = std::make_unique<UnattendedOperator>(*this);
    if (!script.empty()) {
      const auto lines = ReadLines(NativePath(script));
      if (!lines) throw ProgramSetupError("The operator script " + script + " cannot be read.");
      for (const auto& answer : ScriptedOperator::ParseScript(*lines))
        unattended->script.Answer(answer);
    }
    std::error_code ec;
    std::filesystem::remove(NativePath(transcript_), ec);
    unattended->script.SetTranscript(NativePath(transcript_));
    scripted_ = &unattended->script;
    op_ = std::move(unattended);
    if (Env(kUnattended).empty()) setenv(kUnattended, script.c_str(), 1);
  } else {
    op_ = std::make_unique<QtOperator>();
  }

  clock_ = std::make_unique<QtClock>();
  windows_ = std::make_unique<FileWindowRegistry>();
  shell_ = std::make_unique<QtShell>(op_.get());
  store_ = std::make_unique<QSettingsUserStore>(programName);
  publisher_ = std::make_unique<WindowPublisher>(*windows_);

  platform_.op = op_.get();
  platform_.clock = clock_.get();
  platform_.shell = shell_.get();
  platform_.windows = windows_.get();
  platform_.drives = &drives_;
  platform_.store = store_.get();
}

ProgramPlatform::~ProgramPlatform() {
  publisher_.reset();
  // Windows that outlive the run must not reach the registry after it is gone.
  if (QApplication::instance())
    for (QWidget* w : QApplication::topLevelWidgets()) delete PublishedWindow::Of(w);
}

void ProgramPlatform::EndUnanswered(const std::string& error) {
  const std::string message = name_ + ": unattended run ended: " + error;
  std::cerr << message << std::endl;
  if (!transcript_.empty()) {
    if (std::FILE* f = std::fopen(NativePath(transcript_).c_str(), "ab")) {
      std::fprintf(f, "ERROR: %s\n", error.c_str());
      std::fclose(f);
    } else {
      std::cerr << name_ << ": the transcript " << transcript_ << " cannot be written."
                << std::endl;
    }
  }
  if (HasContext()) DebugLog(message, 0);
  windows_.reset();  // withdraws this program's windows
  std::fflush(nullptr);
  std::_Exit(kUnansweredExitCode);
}

bool ProgramApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const UnansweredQuestion& e) {
    if (platform) platform->EndUnanswered(e.what());
    std::cerr << "unattended run ended: " << e.what() << std::endl;
    std::_Exit(kUnansweredExitCode);
  } catch (const std::exception& e) {
    const std::string name = platform ? platform->ProgramName() : std::string("program");
    std::cerr << name << ": unexpected error: " << e.what() << std::endl;
    if (HasContext()) DebugLog(name + ": unexpected error: " + ErrorText(e), 0);
    std::fflush(nullptr);
    std::_Exit(1);
  }
}

int RunProgram(int argc, char** argv, const std::string& programName,
               const std::function<int(ProgramPlatform&)>& body) {
  ProgramApplication app(argc, argv);
  app.setApplicationName(QString::fromStdString(programName));
  try {
    ProgramPlatform platform(programName);
    app.platform = &platform;
    const int code = body(platform);
    app.platform = nullptr;
    return code;
  } catch (const ProgramSetupError& e) {
    std::cerr << programName << ": " << e.what() << std::endl;
    return kSetupExitCode;
  } catch (const UnansweredQuestion& e) {
    std::cerr << programName << ": unattended run ended: " << e.what() << std::endl;
    return kUnansweredExitCode;
  }
}

}  // namespace zantrel
