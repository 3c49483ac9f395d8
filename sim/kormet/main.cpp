// kormetsim: the simulated measurement host. See README.md.
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "platform/qt/FileWindowRegistry.h"
#include "platform/qt/QtShell.h"
#include "sim/kormet/HostService.h"
#include "sim/kormet/SimConfig.h"
#include "sim/kormet/ui/MainWindow.h"

namespace fs = std::filesystem;
using namespace zantrel;
using namespace zantrel::kormetsim;

namespace {

struct Options {
  bool headless = false;
  bool stay = false;
  std::string home;
  std::string config;
  std::string run;
};

const char* kUsage =
    "usage: kormetsim [--headless] [--home FOLDER] [--config FILE] [--run ROUTINE.prg [--stay]]\n";

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& target) {
      if (i + 1 >= argc) return false;
      target = argv[++i];
      return true;
    };
    if (arg == "--headless")
      options.headless = true;
    else if (arg == "--stay")
      options.stay = true;
    else if (arg == "--home") {
      if (!value(options.home)) return false;
    } else if (arg == "--config") {
      if (!value(options.config)) return false;
    } else if (arg == "--run") {
      if (!value(options.run)) return false;
    } else {
      return false;
    }
  }
  return true;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  if (Env("KORMETSIM_HEADLESS") == "1") options.headless = true;

  std::unique_ptr<QCoreApplication> app;
  if (options.headless)
    app = std::make_unique<QCoreApplication>(argc, argv);
  else
    app = std::make_unique<QApplication>(argc, argv);

  fs::path home = options.home.empty() ? fs::path(Env("KORMETSIM_HOME")) : fs::path(options.home);
  if (home.empty())
    home = fs::path(QCoreApplication::applicationDirPath().toLocal8Bit().toStdString());
  std::error_code ec;
  if (!fs::is_directory(home, ec)) {
    std::cerr << "kormetsim: the host folder " << home << " does not exist\n";
    return 2;
  }
  home = fs::absolute(home, ec);
  const fs::path configFile =
      options.config.empty() ? home / "kormetsim.ini" : fs::absolute(options.config, ec);
  std::vector<std::string> errors;
  SimConfig config = LoadConfig(home, configFile, errors);
  for (const auto& line : errors)
    std::cerr << "kormetsim: " << configFile << ": line not understood: " << line << "\n";
  if (config.fullName.empty())
    config.fullName = QCoreApplication::applicationFilePath().toLocal8Bit().toStdString();

  FileWindowRegistry windows;
  QtShell shell;
  HostService service(std::move(config), &windows, shell);
  service.Model().Log("Process " + std::to_string(QCoreApplication::applicationPid()));
  for (const auto& line : errors) service.Model().Log("Configuration line not understood: " + line);
  std::string error;
  if (!service.Listen(error)) {
    if (options.run.empty()) {
      std::cerr << "kormetsim: " << error << "\n";
      return 2;
    }
    std::cerr << "kormetsim: " << error << " Running the routine without serving clients.\n";
  }

  std::unique_ptr<MainWindow> window;
  if (!options.headless) {
    window = std::make_unique<MainWindow>(service);
    window->show();
  }
  int exitCode = 0;
  QObject::connect(&service, &HostService::Ended, app.get(), [&] { app->exit(exitCode); });
  if (!options.run.empty()) {
    QTimer::singleShot(0, app.get(), [&] {
      service.RunRoutine(options.run, [&](int termination) {
        exitCode = termination == 1 ? 0 : 1;
        if (!options.stay) service.Quit();
      });
    });
  }
  return app->exec();
}
