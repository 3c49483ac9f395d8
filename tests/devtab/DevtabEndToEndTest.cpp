// The real devtab, started by a routine inside the real simulated host.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/TextFile.h"
#include "platform/qt/FileWindowRegistry.h"

namespace zantrel {
namespace {

namespace fs = std::filesystem;

const char* const kLoc1X =
    "LOC1 X             1.2346    1.2300    0.0046    0.0050   -0.0050 --------*";
const char* const kDia2D =
    "DIA2 D            10.0030   10.0000    0.0030    0.0100   -0.0100 -----*---";

// LOC1 with its axis lines, a command between, and DIA2.
const char* const kDimensions =
    "PARTNAME BLADE\n"
    "DIM LOC1 1000\n"
    "AXIS 1002 1.23456 1.23 0.005 0.005\n"
    "AXIS 1003 2.5 2.5 0.005 0.005\n"
    "AXIS 1004 0.1 0 0.005 0.005\n"
    "STATUS measuring\n"
    "DIM DIA2 1005 10.003 10 0.01 0.01\n";

fs::path Binary(const std::string& relative) {
  const char* dir = std::getenv("ZANTREL_BINARY_DIR");
  return fs::path(dir ? dir : ZANTREL_BINARY_DIR) / relative;
}

class DevtabEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    devtab_ = Binary("devtab/devtab");
    kormetsim_ = Binary("sim/kormet/kormetsim");
    if (!fs::exists(devtab_) || !fs::exists(kormetsim_))
      GTEST_SKIP() << "devtab or kormetsim is not built";
    // Short: the host's socket lives in the runtime folder.
    char pattern[] = "/tmp/devtab-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    runtime_ = folder_ / "rt";
    fs::create_directory(runtime_);
    chmod(runtime_.c_str(), 0700);
    fs::create_directory(folder_ / "home");
    WriteAll(Script(), "");
  }
  void TearDown() override {
    std::error_code ec;
    if (!folder_.empty()) fs::remove_all(folder_, ec);
  }

  fs::path Report() const { return folder_ / "rep.txt"; }
  fs::path Script() const { return folder_ / "devtab-script.txt"; }
  std::vector<std::string> Transcript() const {
    return ReadLines(folder_ / "devtab-script.txt.transcript").value_or(std::vector<std::string>{});
  }
  std::string Message(const std::string& text) const {
    return "message [Devtab] " + text + " -> OK";
  }

  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"ZANTREL_KORMET_SERVER", "ZANTREL_KORMET_EXE", "ZANTREL_OPERATOR_SCRIPT",
          "ZANTREL_UNATTENDED", "KORMETSIM_HOME", "DISPLAY", "WAYLAND_DISPLAY"})
      env.remove(name);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_.string()));
    env.insert("ZANTREL_OPERATOR_SCRIPT_DEVTAB", QString::fromStdString(Script().string()));
    return env;
  }

  void Start(QProcess& process, const fs::path& program, const QStringList& args) {
    process.setProcessEnvironment(Environment());
    process.setProgram(QString::fromStdString(program.string()));
    process.setArguments(args);
    process.start();
    ASSERT_TRUE(process.waitForStarted(10000));
  }

  // Runs a routine whose last command starts devtab with the words, and waits for the host.
  void RunRoutine(const std::string& commands, const std::string& devtabWords) {
    const fs::path routine = folder_ / "home" / "dims.prg";
    WriteAll(routine, commands + "RUNWAIT " + devtab_.string() + " " + Report().string() + " " +
                          devtabWords + "\n");
    QProcess host;
    Start(host, kormetsim_,
          {"--headless", "--home", QString::fromStdString((folder_ / "home").string()), "--run",
           QString::fromStdString(routine.string())});
    ASSERT_TRUE(host.waitForFinished(20000)) << "the host did not end";
    EXPECT_EQ(host.exitCode(), 0) << host.readAllStandardError().toStdString();
  }

  std::optional<std::string> Content() const { return ReadAll(Report()); }

  fs::path folder_, runtime_, devtab_, kormetsim_;
};

TEST_F(DevtabEndToEnd, BothDimensionsGiveBlankLineAndTwoLines) {
  RunRoutine(kDimensions, "LOC1 DIA2");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n" + kDia2D + "\r\n");
  EXPECT_EQ(std::string(kLoc1X).size(), 75u);
  EXPECT_TRUE(Transcript().empty());
}

TEST_F(DevtabEndToEnd, MissingDimensionTellsBothCounts) {
  RunRoutine(kDimensions, "LOC1 DIA9");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n");
  EXPECT_EQ(Transcript(),
            (std::vector<std::string>{
                Message("Number of dimensions found: (1) was different than called for: (2), check "
                        "report.")}));
}

TEST_F(DevtabEndToEnd, LowerCaseRequestFindsTheDimension) {
  RunRoutine(kDimensions, "loc1");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n");
  EXPECT_TRUE(Transcript().empty());
}

TEST_F(DevtabEndToEnd, RepeatedIdentifierGivesTwoIdenticalLines) {
  RunRoutine(kDimensions, "LOC1,LOC1");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n" + kLoc1X + "\r\n");
}

TEST_F(DevtabEndToEnd, DeviationBars) {
  // Plus and minus 0.005 around a nominal of 0 (so the deviations are exactly the measured
  // values); the last one has a zero-width band.
  RunRoutine(
      "DIM B0 1002 0 0 0.005 0.005\n"
      "DIM B1 1002 0.005 0 0.005 0.005\n"
      "DIM B2 1002 -0.005 0 0.005 0.005\n"
      "DIM B3 1002 0.007 0 0.005 0.005\n"
      "DIM B4 1002 -0.006 0 0.005 0.005\n"
      "DIM B5 1002 0.3 0 0.002 -0.002\n",
      "B0 B1 B2 B3 B4 B5");
  auto lines = ReadLines(Report());
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 7u);
  const char* bars[] = {" ----*----", " --------*", " *--------",
                        "    0.0020", "   -0.0010", " ----*----"};
  for (int i = 0; i < 6; ++i) {
    const std::string& line = (*lines)[i + 1];
    ASSERT_EQ(line.size(), 75u) << line;
    EXPECT_EQ(line.substr(65), bars[i]) << line;
  }
}

TEST_F(DevtabEndToEnd, HostWithoutActiveRoutine) {
  QProcess host;
  Start(host, kormetsim_,
        {"--headless", "--home", QString::fromStdString((folder_ / "home").string())});
  // The host is serving once its socket exists.
  for (int i = 0;
       i < 200 && !fs::exists(runtime_ / ("KORAUTO.Application-" + std::to_string(getuid()))); ++i)
    QThread::msleep(25);
  QProcess devtab;
  Start(devtab, devtab_, {QString::fromStdString(Report().string()), "LOC1"});
  EXPECT_TRUE(devtab.waitForFinished(10000));
  EXPECT_EQ(devtab.exitCode(), 0);
  host.terminate();
  host.waitForFinished(5000);
  EXPECT_EQ(Transcript(),
            (std::vector<std::string>{Message("The measurement host has no active routine.")}));
  EXPECT_FALSE(Content());
}

TEST_F(DevtabEndToEnd, NoHostRunning) {
  QProcess devtab;
  Start(devtab, devtab_, {QString::fromStdString(Report().string()), "LOC1"});
  ASSERT_TRUE(devtab.waitForFinished(10000));
  EXPECT_EQ(devtab.exitCode(), 0);
  EXPECT_EQ(Transcript(), (std::vector<std::string>{Message("No measurement host is running.")}));
  EXPECT_FALSE(Content());
}

TEST_F(DevtabEndToEnd, WithoutCommandLine) {
  QProcess devtab;
  Start(devtab, devtab_, {});
  ASSERT_TRUE(devtab.waitForFinished(10000));
  EXPECT_EQ(devtab.exitCode(), 0);
  EXPECT_EQ(Transcript(), (std::vector<std::string>{Message(
                              "There were zero requested dimensions in the Devtab command")}));
}

TEST_F(DevtabEndToEnd, WaitsForUpdatingWindowAndIsSeenAsDevtabMeanwhile) {
  FileWindowRegistry windows(runtime_ / "zantrel-windows");
  const long long update = windows.Publish("Stat", "Updating Database: blade");
  QProcess devtab;
  Start(devtab, devtab_, {QString::fromStdString(Report().string()), "LOC1"});

  auto devtabWindows = [&] {
    std::vector<std::string> titles;
    for (const auto& w : windows.All())
      if (w.pid == devtab.processId()) titles.push_back(w.title);
    return titles;
  };
  std::vector<std::string> titles;
  for (int i = 0; i < 400 && titles.size() < 2; ++i) {
    QThread::msleep(25);
    titles = devtabWindows();
  }
  EXPECT_TRUE(windows.FindByTitle("Devtab").has_value());
  EXPECT_EQ(titles, (std::vector<std::string>{"Devtab", "Devtab Writing " + Report().string()}));
  EXPECT_EQ(devtab.state(), QProcess::Running);

  windows.Withdraw(update);
  ASSERT_TRUE(devtab.waitForFinished(10000));
  EXPECT_EQ(Transcript(), (std::vector<std::string>{Message("No measurement host is running.")}));
  EXPECT_TRUE(devtabWindows().empty());
}

}  // namespace
}  // namespace zantrel
