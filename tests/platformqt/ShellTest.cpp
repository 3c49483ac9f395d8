#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <fstream>

#include "platform/qt/QtShell.h"
#include "platform/testing/TestPlatform.h"
#include "tests/platformqt/Helper.h"

namespace zantrel {
namespace {

using testing::ReadText;
using testing::TempFolder;

const std::string kHelper = PLATFORM_HELPER;

// The helper's report: its working folder and then one argument a line.
std::vector<std::string> Report(const std::filesystem::path& file, size_t lines) {
  std::vector<std::string> result;
  std::string text;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        text = ReadText(file);
        return size_t(std::count(text.begin(), text.end(), '\n')) >= lines;
      },
      5000))
      << file;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    result.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return result;
}

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() : shell(&tp.op) {
    shell.opener = "/nonexistent/opener";
    shell.viewer.clear();
    shell.printCommand.clear();
    shell.logOffCommand.clear();
  }
  std::string Document(const std::string& name) {
    const auto path = folder / name;
    std::ofstream(path) << "report\n";
    return path.string();
  }
  std::string Quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

  TestPlatform tp;
  TempFolder folder;
  QtShell shell;
};

TEST(SplitCommandLine, QuotesGroupAndNothingElseIsSpecial) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"", {}},
      {"a b  c", {"a", "b", "c"}},
      {"\"two words\" x", {"two words", "x"}},
      {"a;b $(rm -rf x) `id` | > <", {"a;b", "$(rm", "-rf", "x)", "`id`", "|", ">", "<"}},
      {"\"$(touch y)\"", {"$(touch y)"}},
      {"say \"\"\"hi\"\"\"", {"say", "\"hi\""}},
  };
  for (const auto& [line, args] : cases) EXPECT_EQ(SplitCommandLine(line), args) << line;
}

TEST_F(ShellTest, OpenStartsAProgramWithItsParametersLiterally) {
  const auto out = folder / "args.txt";
  const auto planted = folder / "planted";
  const std::string parameters =
      "args " + Quoted(out) + " a;b \"$(touch " + planted.string() + ")\" \"two words\" `id` $HOME";
  ASSERT_EQ(shell.Open("Open", kHelper, parameters, folder.Path().string(), 1), ShellResult::Ok);
  const auto report = Report(out, 6);
  ASSERT_EQ(report.size(), 6u);
  EXPECT_EQ(report[0], std::filesystem::canonical(folder.Path()).string());
  EXPECT_EQ(std::vector<std::string>(report.begin() + 1, report.end()),
            (std::vector<std::string>{"a;b", "$(touch " + planted.string() + ")", "two words",
                                      "`id`", "$HOME"}));
  EXPECT_FALSE(std::filesystem::exists(planted));
}

TEST_F(ShellTest, StartPassesEachArgumentAsOne) {
  const auto out = folder / "start.txt";
  const auto pid = shell.Start(kHelper, {"args", out.string(), "x; rm -rf ~", "*", "\"q\""}, "");
  ASSERT_TRUE(pid);
  EXPECT_GT(*pid, 0);
  const auto report = Report(out, 4);
  EXPECT_EQ(std::vector<std::string>(report.begin() + 1, report.end()),
            (std::vector<std::string>{"x; rm -rf ~", "*", "\"q\""}));
  EXPECT_FALSE(shell.Start(folder / "missing-program", {}, ""));
}

TEST_F(ShellTest, DocumentsGoToTheOpenerThenTheViewer) {
  const std::string doc = Document("result 1.cmm");
  EXPECT_EQ(shell.Open("Open", doc, "", "", 1), ShellResult::NoAssociation);

  shell.opener = "false";  // exists, cannot open
  const auto out = folder / "viewer.txt";
  shell.viewer = Quoted(kHelper) + " args " + Quoted(out);
  ASSERT_EQ(shell.Open("Open", doc, "ignored parameters", "", 1), ShellResult::Ok);
  EXPECT_EQ(Report(out, 2).at(1), doc);

  shell.opener = "true";
  EXPECT_EQ(shell.Open("open", doc, "", "", 1), ShellResult::Ok);

  shell.opener = "false";
  shell.viewer = "/nonexistent/viewer";
  EXPECT_EQ(shell.Open("Open", doc, "", "", 1), ShellResult::NoAssociation);
}

TEST_F(ShellTest, AnExecutableDocumentIsStillADocument) {
  const std::string doc = Document("marked.txt");
  chmod(doc.c_str(), 0755);  // as on file systems that mark every file executable
  const auto out = folder / "viewer.txt";
  shell.viewer = Quoted(kHelper) + " args " + Quoted(out);
  ASSERT_EQ(shell.Open("Open", doc, "", "", 1), ShellResult::Ok);
  EXPECT_EQ(Report(out, 2).at(1), doc);
}

TEST_F(ShellTest, VerbsAndMissingFiles) {
  const std::string doc = Document("a.txt");
  EXPECT_EQ(shell.Open("Open", (folder / "missing.txt").string(), "", "", 1),
            ShellResult::NotFound);
  EXPECT_EQ(shell.Open("Open", "", "", "", 1), ShellResult::NotFound);
  EXPECT_EQ(shell.Open("Frobnicate", doc, "", "", 1), ShellResult::NoAssociation);
  EXPECT_EQ(shell.Open("Print", kHelper, "", "", 1), ShellResult::NoAssociation);
  EXPECT_EQ(shell.Open("Print", folder.Path().string(), "", "", 1), ShellResult::NoAssociation);
}

TEST_F(ShellTest, PrintHandsTheDocumentToThePrintCommand) {
  const std::string doc = Document("report.cmb");
  const auto out = folder / "printed.txt";
  shell.printCommand = Quoted(kHelper) + " args " + Quoted(out);
  ASSERT_EQ(shell.Open("Print", doc, "", "", 1), ShellResult::Ok);
  EXPECT_EQ(Report(out, 2).at(1), doc);

  shell.printCommand = "false";
  EXPECT_EQ(shell.Open("Print", doc, "", "", 1), ShellResult::Failed);
  shell.printCommand = "/nonexistent/lp";
  EXPECT_EQ(shell.Open("Print", doc, "", "", 1), ShellResult::NoAssociation);
}

TEST_F(ShellTest, OpenWithLetsTheOperatorPickTheProgram) {
  const auto created = folder / "made by touch";
  tp.op.Answers({"file: /usr/bin/touch", "Cancel"});
  ASSERT_EQ(shell.OpenWith(created.string()), ShellResult::Ok);
  EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(created); }, 5000));
  EXPECT_EQ(shell.OpenWith(created.string()), ShellResult::NoAssociation);
  EXPECT_EQ(tp.op.Questions().size(), 2u);
}

TEST_F(ShellTest, RunningAndEndingProcesses) {
  const auto pid = shell.Start("sleep", {"30"}, "");
  ASSERT_TRUE(pid);
  EXPECT_TRUE(shell.IsRunning(*pid));
  EXPECT_TRUE(shell.Terminate(*pid, false));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.IsRunning(*pid); }, 5000));
  EXPECT_FALSE(shell.Terminate(*pid, true));

  // 0 and -1 would signal a whole process group or every process of the user.
  EXPECT_FALSE(shell.Terminate(0, true));
  EXPECT_FALSE(shell.Terminate(-1, true));
  EXPECT_FALSE(shell.IsRunning(0));
}

TEST_F(ShellTest, LogOffRunsTheConfiguredCommandOrSaysThereIsNone) {
  shell.LogOff();
  EXPECT_TRUE(tp.LogHas("No log-off command is set"));
  const auto out = folder / "logoff.txt";
  shell.logOffCommand = Quoted(kHelper) + " args " + Quoted(out) + " --session";
  shell.LogOff();
  EXPECT_EQ(Report(out, 2).at(1), "--session");
}

}  // namespace
}  // namespace zantrel
