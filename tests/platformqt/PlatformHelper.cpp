// A second program for the platform tests: publishes windows, reports its arguments, asks
// questions in an unattended run.
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/Operator.h"
#include "platform/qt/FileWindowRegistry.h"
#include "platform/qt/ProgramPlatform.h"
#include "platform/qt/PublishedWindow.h"

using namespace zantrel;

namespace {

// window <folder> <class> <title>: shows a published window until another program closes it.
int Window(int argc, char** argv) {
  QApplication app(argc, argv);
  FileWindowRegistry registry{std::filesystem::path(argv[2])};
  QWidget window;
  window.setWindowTitle(QString::fromUtf8(argv[4]));
  window.setProperty("windowClass", QString::fromUtf8(argv[3]));
  new PublishedWindow(&window, registry);
  window.show();
  std::cout << PublishedWindow::Of(&window)->Handle() << std::endl;
  const int code = app.exec();
  std::cout << "closed" << std::endl;
  return code;
}

// vanish <folder>: publishes a window and ends without withdrawing it, as a crash would.
int Vanish(char** argv) {
  auto* registry = new FileWindowRegistry(std::filesystem::path(argv[2]));
  std::cout << registry->Publish("Vanishing", "Gone soon") << std::endl;
  std::_Exit(0);
}

// args <file> <arg>...: writes the working folder and each argument to the file, one a line.
int Args(int argc, char** argv) {
  std::ofstream out(argv[2], std::ios::binary);
  char cwd[4096] = {};
  out << (getcwd(cwd, sizeof cwd) ? cwd : "") << '\n';
  for (int i = 3; i < argc; ++i) out << argv[i] << '\n';
  return 0;
}

// ask: a program that asks one question at start (inside a handler that catches everything)
// and one from its event loop, and reports its unattended environment.
int Ask(int argc, char** argv) {
  return RunProgram(argc, argv, "Probe", [](ProgramPlatform& program) {
    const char* script = std::getenv("ZANTREL_OPERATOR_SCRIPT");
    const char* unattended = std::getenv("ZANTREL_UNATTENDED");
    std::cout << "script=" << (script ? script : "") << std::endl;
    std::cout << "unattended=" << (unattended ? unattended : "") << std::endl;
    Operator& op = *program.Services().op;
    try {
      const bool yes = op.YesNo("First question?", "Probe");
      std::cout << "first=" << (yes ? "Yes" : "No") << std::endl;
    } catch (const std::exception&) {
      std::cout << "swallowed" << std::endl;
    }
    QTimer::singleShot(0, [&op] {
      const bool ok = op.OkCancel("Second question?", "Probe");
      std::cout << "second=" << (ok ? "OK" : "Cancel") << std::endl;
      QApplication::exit(0);
    });
    return QApplication::exec();
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "window" && argc == 5) return Window(argc, argv);
  if (mode == "vanish" && argc == 3) return Vanish(argv);
  if (mode == "args" && argc >= 3) return Args(argc, argv);
  if (mode == "ask") return Ask(argc, argv);
  std::cerr << "usage: PlatformHelper window|vanish|args|ask ..." << std::endl;
  return 64;
}
