#include <gtest/gtest.h>

#include <filesystem>

#include "console/LogoFit.h"
#include "console/SplashView.h"
#include "console/Startup.h"
#include "foundation/FileOps.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;

namespace {

class RecordingSplash : public SplashView {
 public:
  void ShowSplash() override { shown = true; }
  void Show(const std::string& text) override { statuses.push_back(text); }
  bool IsVisible() const override { return shown && !closed; }
  void HideSplash() override {}
  void CloseSplash() override { closed = true; }
  bool shown = false, closed = false;
  std::vector<std::string> statuses;
};

struct ConsoleRun {
  explicit ConsoleRun(TestPlatform& tp) : startup(state, (tp.Folder() / "zantrel").string(), '.') {}
  ConsoleState state;
  Startup startup;
};

// Indexes of log lines containing each text, in order; -1 when missing.
std::vector<int> Positions(const std::vector<std::string>& lines,
                           const std::vector<std::string>& texts) {
  std::vector<int> out;
  for (const auto& t : texts) {
    int found = -1;
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].find(t) != std::string::npos) {
        found = static_cast<int>(i);
        break;
      }
    out.push_back(found);
  }
  return out;
}

TEST(Startup, FirstStartCreatesSettingsAndRunsInTestMode) {
  TestPlatform tp(0);
  tp.op.Answers({"No", "No", "No"});
  ConsoleRun run(tp);
  RecordingSplash splash;
  run.startup.Initialise("", &splash, nullptr);

  EXPECT_TRUE(std::filesystem::exists(tp.File("zantrel.ini")));
  EXPECT_EQ(run.state.interfaceMode, "TEST");
  EXPECT_EQ(run.state.hostVersion, "TEST");
  EXPECT_EQ(run.state.debugLevel, 10);
  EXPECT_TRUE(run.state.singleZone);
  ASSERT_GE(tp.op.Messages().size(), 2u);
  EXPECT_EQ(tp.op.Messages()[1], "Interface is in TEST mode");
  EXPECT_TRUE(splash.shown);
  EXPECT_EQ(splash.statuses.front(), "Initializing Zantrel...");
  // The registry recorded the executable and the product name.
  EXPECT_EQ(*tp.store.Get("directories", "zantrelexe"), tp.File("zantrel").string());
  EXPECT_EQ(*tp.store.Get("Interface", "ProductName"), "Zantrel");

  auto lines = tp.LogLines();
  auto at =
      Positions(lines, {"Zantrel Version ", "Date: 03/04/26 Time: 05:06:07", "debuglevel 10",
                        "frmMain_Initialize: Start: Command Line was: ", "Initializing Zantrel...",
                        "frmMain_Initialize: End"});
  for (size_t i = 0; i < at.size(); ++i) ASSERT_GE(at[i], 0) << i;
  for (size_t i = 1; i < at.size(); ++i) EXPECT_LT(at[i - 1], at[i]) << i;
  EXPECT_EQ(lines[at[0]], "05:06:07: UNSP: Zantrel Version 1.0.0");
}

TEST(Startup, SecondStartRotatesTheLog) {
  TestPlatform tp(0);
  tp.op.Answers({"No", "No", "No"});
  {
    ConsoleRun first(tp);
    first.startup.Initialise("", nullptr, nullptr);
  }
  const auto firstLog = tp.LogLines();
  ConsoleRun second(tp);
  second.startup.Initialise("", nullptr, nullptr);
  EXPECT_EQ(*ReadLines(tp.File("debugOLD.txt")), firstLog);
  EXPECT_EQ(tp.op.Questions().size(), 3u);  // no questions the second time
}

TEST(Startup, CommandLineSwitches) {
  struct Case {
    const char* line;
    bool normalRun;
    bool otherIni;
  };
  for (const Case& c : {Case{"/PQ", false, true}, Case{"/pq", true, false},
                        Case{"/PQ extra", true, false}, Case{"/INI", true, false},
                        Case{"/INI other.ini", true, true}, Case{"/INI a b", true, false}}) {
    TestPlatform tp(0);
    tp.Write("zantrel.ini", "Interface = test\ndebuglevel = 5\nSingleZone = 0");
    tp.Write("other.ini", "Interface = OFFLINE\nSingleZone = 1");
    ConsoleRun run(tp);
    std::string line = c.line;
    if (line == "/INI other.ini") line = "/INI " + tp.File("other.ini").string();
    run.startup.Initialise(line, nullptr, nullptr);
    EXPECT_EQ(run.state.normalRun, c.normalRun) << c.line;
    const bool usesOther = run.state.settingsFile == tp.File("other.ini").string();
    if (std::string(c.line) == "/INI other.ini") {
      EXPECT_TRUE(usesOther);
      EXPECT_EQ(tp.context.SettingsFile(), tp.File("other.ini").string());
      EXPECT_EQ(run.state.interfaceMode, "OFFLINE");
      EXPECT_TRUE(run.state.singleZone);
      EXPECT_EQ(run.state.debugLevel, 5);  // read before the switch
    } else {
      EXPECT_FALSE(usesOther) << c.line;
      EXPECT_EQ(run.state.interfaceMode, "TEST") << c.line;
    }
    EXPECT_EQ(run.state.firstCommandWord,
              std::string(c.line).substr(0, std::string(c.line).find(' ')));
  }
}

TEST(Startup, InterfaceDefaultsAndHostFiles) {
  TestPlatform tp(0);
  tp.Write("zantrel.ini", "debuglevel = 0");
  for (const char* f : {"fixture.txt", "Header.txt", "Blade.csv", "KORMET.RTF"}) tp.Write(f, "x");
  ConsoleRun run(tp);
  run.startup.Initialise("", nullptr, nullptr);
  EXPECT_EQ(run.state.interfaceMode, "CMM1");
  EXPECT_FALSE(run.state.singleZone);
  EXPECT_TRUE(std::filesystem::exists(tp.File("fixtureOLD.txt")));
  EXPECT_TRUE(std::filesystem::exists(tp.File("KORMETOLD.RTF")));
  EXPECT_TRUE(tp.op.Messages().empty());
}

TEST(Startup, TestModeKeepsHostReports) {
  TestPlatform tp(0);
  tp.Write("zantrel.ini", "Interface = TEST");
  tp.Write("KORMET.RTF", "x");
  tp.Write("Header.txt", "x");
  ConsoleRun run(tp);
  run.startup.Initialise("", nullptr, nullptr);
  EXPECT_TRUE(std::filesystem::exists(tp.File("KORMET.RTF")));
  EXPECT_TRUE(std::filesystem::exists(tp.File("HeaderOLD.txt")));
}

TEST(Startup, ProductNameAndLanguage) {
  TestPlatform tp(0);
  tp.Write("zantrel.ini", "Interface = TEST\nLanguage = 2");
  tp.Write("Lang.ini", "\tInitializing\tInitialisation\n\tTEST\tESSAI");
  tp.store.Set("Interface", "ProductName", "  ");
  ConsoleRun run(tp);
  RecordingSplash splash;
  run.startup.Initialise("", &splash, nullptr);
  EXPECT_EQ(run.state.productName, "Zantrel");
  EXPECT_EQ(run.state.language, 2);
  EXPECT_EQ(splash.statuses.front(), "Initialisation Zantrel...");
  EXPECT_EQ(run.state.hostVersion, "ESSAI");
  run.startup.Load(&splash, nullptr);
  EXPECT_TRUE(splash.closed);
}

TEST(LogoFit, ShapesKeepTheAspectRatio) {
  TestPlatform tp;
  auto tall = FitLogo(160, 160, 50, 100);
  EXPECT_EQ(tall.shape, "Tall");
  EXPECT_EQ(tall.height, 160);
  EXPECT_EQ(tall.width, 80);
  EXPECT_EQ(tall.left, 40);
  auto wide = FitLogo(160, 160, 300, 100);
  EXPECT_EQ(wide.shape, "Short");
  EXPECT_EQ(wide.width, 160);
  EXPECT_EQ(wide.top, (160 - 53) / 2);
  EXPECT_EQ(FitLogo(160, 100, 10, 10).shape, "Square");
  EXPECT_TRUE(tp.LogHas("Picture is Tall"));
  EXPECT_TRUE(tp.LogHas("Logo Height is 160"));
}

}  // namespace
