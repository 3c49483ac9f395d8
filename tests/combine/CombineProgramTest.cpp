// The combine program itself, installed as "combine.exe" in a program folder and run offscreen
// the way the console's analysis monitor starts it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/qt/FileWindowRegistry.h"

namespace zantrel {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteRaw(const fs::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary) << content;
}

class CombineProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("zantrel-combine-" + std::to_string(getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    folder_ = root_ / "install";
    runtime_ = root_ / "runtime";
    fs::create_directories(folder_);
    fs::create_directories(runtime_);
    ::chmod(runtime_.c_str(), 0700);
    fs::copy_file(COMBINE_PROGRAM, folder_ / "combine.exe");
  }
  void TearDown() override { fs::remove_all(root_); }

  QProcessEnvironment Environment(bool unattended) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_.string()));
    env.remove("ZANTREL_OPERATOR_SCRIPT");
    env.remove("ZANTREL_OPERATOR_SCRIPT_COMBINE");
    env.remove("ZANTREL_UNATTENDED");
    env.remove("DISPLAY");
    if (unattended) {
      WriteRaw(Script(), "# combine asks nothing; its boxes are recorded\n");
      env.insert("ZANTREL_OPERATOR_SCRIPT", QString::fromStdString(Script().string()));
    }
    return env;
  }

  // Runs combine unattended with the command line as the monitor passes it: one argument.
  int Run(const std::string& commandLine) {
    QProcess process;
    process.setProcessEnvironment(Environment(true));
    process.start(QString::fromStdString((folder_ / "combine.exe").string()),
                  {QString::fromStdString(commandLine)});
    EXPECT_TRUE(process.waitForFinished(20000)) << "combine did not end by itself";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return process.exitCode();
  }

  std::vector<WindowInfo> Windows() {
    FileWindowRegistry registry(runtime_ / "zantrel-windows");
    return registry.All();
  }

  fs::path File(const std::string& name) const { return folder_ / name; }
  std::string P(const std::string& name) const { return File(name).string(); }
  fs::path Script() const { return root_ / "operator.txt"; }
  std::string Transcript() const { return Read(Script().string() + ".transcript"); }

  fs::path root_, folder_, runtime_;
};

TEST_F(CombineProgram, CombinesAndEndsByItself) {
  WriteRaw(File("R1.cmm"), Read(fs::path(ZANTREL_FIXTURES) / "combine/blade.cmm"));
  WriteRaw(File("R1.rtf"), Read(fs::path(ZANTREL_FIXTURES) / "rtf/host-report.rtf"));

  EXPECT_EQ(Run(P("R1.cmm") + "," + P("R1.rtf")), 0);

  EXPECT_EQ(Read(File("R1.cmb")), Read(fs::path(ZANTREL_FIXTURES) / "combine/blade.cmb"));
  EXPECT_FALSE(fs::exists(File("R1.tmp")));
  // Its own log beside it, every entry with the time of day.
  const std::string log = Read(File("debug.txt"));
  EXPECT_THAT(log, ::testing::MatchesRegex("([0-9][0-9]:[0-9][0-9]:[0-9][0-9]: [^\r\n]*\r\n)+"));
  EXPECT_THAT(log, ::testing::HasSubstr(": Combine: After actual combine.\r\n"));
  EXPECT_EQ(Transcript(), "");
  EXPECT_TRUE(Windows().empty()) << "the Combine window outlives the program";
}

TEST_F(CombineProgram, FailureIsShownThroughTheOperator) {
  WriteRaw(File("R1.cmm"), "RESULT\r\n");

  EXPECT_EQ(Run(P("R1.cmm") + "," + P("R1.txt")), 1);

  EXPECT_FALSE(fs::exists(File("R1.cmb")));
  EXPECT_THAT(Transcript(),
              ::testing::HasSubstr("message [Combine] Error in Combine, Contact System "
                                   "Administrator -> OK"));
  EXPECT_THAT(Read(File("debug.txt")),
              ::testing::HasSubstr(P("R1.txt") + " 0 Code 53 file not found.\r\n"));
  EXPECT_TRUE(Windows().empty());
}

TEST_F(CombineProgram, WindowIsPublishedWhileItWorks) {
  // With an operator at the screen the error box waits; meanwhile others see the window.
  QProcess process;
  process.setProcessEnvironment(Environment(false));
  process.start(QString::fromStdString((folder_ / "combine.exe").string()),
                {QString::fromStdString(P("none.cmm") + "," + P("none.txt"))});
  ASSERT_TRUE(process.waitForStarted(10000));
  bool seen = false;
  for (int i = 0; i < 200 && !seen; ++i) {
    for (const auto& window : Windows())
      if (window.className == "frmCombine" && window.title == "Combine" &&
          window.pid == static_cast<long>(process.processId()))
        seen = true;
    if (!seen) process.waitForFinished(50);
  }
  EXPECT_TRUE(seen) << "no window captioned Combine while the error box is up";
  EXPECT_EQ(process.state(), QProcess::Running) << "the error box did not wait";
  process.kill();
  process.waitForFinished(10000);
}

}  // namespace
}  // namespace zantrel
