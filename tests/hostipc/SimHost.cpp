#include "tests/hostipc/SimHost.h"

#include <signal.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace zantrel::testing {

namespace fs = std::filesystem;

namespace {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "hosttest";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

}  // namespace

std::string SimHost::Executable() {
  return KORMETSIM_EXE;
}

SimHost::SimHost(const std::string& config) {
  EnsureApplication();
  std::string pattern = (fs::temp_directory_path() / "zantrel-hostsim-XXXXXX").string();
  folder_ = mkdtemp(pattern.data());
  home_ = folder_ / "host";
  fs::create_directories(home_);
  fs::create_directories(folder_ / "run");
  fs::permissions(folder_ / "run", fs::perms::owner_all, fs::perm_options::replace);
  if (!config.empty()) Write("kormetsim.ini", config);
  setenv("ZANTREL_KORMET_EXE", Executable().c_str(), 1);
  setenv("KORMETSIM_HOME", home_.c_str(), 1);
  setenv("KORMETSIM_HEADLESS", "1", 1);
  setenv("ZANTREL_KORMET_SERVER", (folder_ / "kormet.sock").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (folder_ / "run").c_str(), 1);
}

SimHost::~SimHost() {
  for (long pid : Pids())
    if (Alive(pid)) kill(static_cast<pid_t>(pid), SIGKILL);
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

fs::path SimHost::Write(const std::string& name, const std::string& content) const {
  const fs::path file = home_ / name;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
  return file;
}

std::shared_ptr<host::Application> SimHost::Bind(host::BindOptions options) const {
  options.startTimeout = std::chrono::milliseconds(10000);
  return host::BindKormet(options);
}

std::string SimHost::Log() const {
  std::ifstream in(home_ / "kormetsim.log", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int SimHost::LogCount(const std::string& text) const {
  std::istringstream lines(Log());
  int count = 0;
  for (std::string line; std::getline(lines, line);)
    if (line.find(text) != std::string::npos) ++count;
  return count;
}

long SimHost::Pid() const {
  const auto pids = Pids();
  return pids.empty() ? 0 : pids.back();
}

std::vector<long> SimHost::Pids() const {
  std::vector<long> pids;
  std::istringstream lines(Log());
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("Process ", 0) == 0) pids.push_back(std::stol(line.substr(8)));
  return pids;
}

bool SimHost::Alive() const {
  return Alive(Pid());
}

bool SimHost::Alive(long pid) {
  if (pid <= 0 || kill(static_cast<pid_t>(pid), 0) != 0) return false;
  // A process that has ended but is not yet reaped counts as ended.
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string content;
  std::getline(stat, content);
  const auto close = content.rfind(')');
  return close == std::string::npos || content.size() < close + 3 || content[close + 2] != 'Z';
}

bool SimHost::WaitEnded() const {
  for (int i = 0; i < 200; ++i) {
    if (!Alive()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return false;
}

}  // namespace zantrel::testing
