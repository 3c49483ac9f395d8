// The console's host side against a real kormetsim process. The waits run on a virtual clock
// that gives the host a small slice of real time per poll, so delays of seconds cost
// milliseconds while the host still gets the time it needs to answer and to end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <thread>

#include "foundation/TextFile.h"
#include "host/HostStartup.h"
#include "host/Kormet.h"
#include "host/ProbeQualification.h"
#include "host/ui/frmSelect.h"
#include "platform/qt/FileWindowRegistry.h"
#include "platform/testing/TestPlatform.h"
#include "tests/host/HostTestSupport.h"
#include "tests/hostipc/SimHost.h"

namespace zantrel::testing {
namespace {

namespace fs = std::filesystem;
using Ms = Clock::Ms;

class SimClock : public TestClock {
 public:
  void ProcessEvents() override {
    QCoreApplication::processEvents();
    TestClock::ProcessEvents();
  }
  void Wait(Ms duration) override {
    Advance(duration);
    Slice(duration);
    ProcessEvents();
  }
  bool WaitWhile(const std::function<bool()>& condition, Ms timeout, Ms poll) override {
    if (poll <= Ms(0)) poll = Ms(1);
    Ms waited{0};
    while (condition()) {
      if (timeout >= Ms(0) && waited >= timeout) return false;
      if (timeout < Ms(0) && waited >= Ms(3600 * 1000)) return false;
      Advance(poll);
      waited += poll;
      Slice(poll);
      ProcessEvents();
    }
    return true;
  }

 private:
  static void Slice(Ms duration) {
    std::this_thread::sleep_for(std::clamp(duration / 20, Ms(1), Ms(50)));
  }
};

bool SimBuilt() {
  return fs::exists(SimHost::Executable());
}

#define REQUIRE_SIM() \
  if (!SimBuilt()) GTEST_SKIP() << "kormetsim is not built"

struct SimConsole {
  explicit SimConsole(const std::string& config = "", int debugLevel = 10,
                      std::string mode = "CMM1")
      : sim(config), tp(debugLevel), interfaceMode(std::move(mode)) {
    windows = std::make_unique<FileWindowRegistry>();  // the host's folder, set by SimHost
    tp.context.platform.windows = windows.get();
    tp.context.platform.clock = &clock;
    settingsFile = tp.Write("zantrel.ini", "RestartTime = 5");
    kormet = std::make_unique<Kormet>([this] { return sim.Bind(); }, interfaceMode, settingsFile);
    clock.OnEvents([this] { kormet->events.DeliverPending(); });
  }
  ~SimConsole() {
    // Every host this console started ends with it, restarted ones included.
    if (kormet->HostWindowExists()) kormet->KillKormet(false, nullptr);
    kormet.reset();
  }
  std::string Routine(const std::string& name, const std::string& lines) {
    return tp.Write("kormet programs/" + name, lines).string();
  }
  int Messages(const std::string& text) const {
    const auto all = tp.op.Messages();
    return static_cast<int>(std::count(all.begin(), all.end(), text));
  }
  int LogCount(const std::string& text) const {
    int n = 0;
    for (const auto& line : tp.LogLines())
      if (line.find(text) != std::string::npos) ++n;
    return n;
  }
  std::string Home() const { return sim.Home().string() + "/"; }

  SimHost sim;
  TestPlatform tp;
  SimClock clock;
  std::unique_ptr<FileWindowRegistry> windows;
  std::string interfaceMode;
  fs::path settingsFile;
  std::unique_ptr<Kormet> kormet;
};

const char* kShort = "COMMENT short routine\nDIM LOC1 1100 1.001 1 0.01 0.01\n";

TEST(KormetSim, StartsThenJoinsTheSameHost) {
  REQUIRE_SIM();
  SimConsole c("[Host]\nVersionString = 3.2 beta\n");
  c.kormet->StartKormet(false, false, nullptr);
  ASSERT_TRUE(c.kormet->state.HostApp);
  EXPECT_EQ(c.interfaceMode, "CMM1");
  EXPECT_TRUE(c.kormet->HostWindowExists());
  EXPECT_EQ(c.kormet->state.version, "3.2");
  EXPECT_EQ(c.kormet->state.folder, c.Home());
  EXPECT_EQ(c.tp.store.Get("directories", "LastKormetDIR"), c.Home());
  const long pid = c.sim.Pid();
  EXPECT_GT(pid, 0);

  c.kormet->StartKormet(false, false, nullptr);  // re-join
  EXPECT_EQ(c.sim.Pid(), pid);
  EXPECT_EQ(c.sim.LogCount("Process "), 1);
  EXPECT_TRUE(c.kormet->events.Connected());

  c.kormet->KillKormet(false, nullptr);
  EXPECT_TRUE(c.sim.WaitEnded());
  EXPECT_FALSE(c.kormet->HostWindowExists());
  EXPECT_EQ(c.sim.LogCount("CloseAll"), 1);
  EXPECT_TRUE(c.tp.op.Messages().empty());
}

TEST(KormetSim, OfflineLeavesTheOptionsForTheStartingHost) {
  REQUIRE_SIM();
  for (const std::string mode : {"OFFLINE", "CMM1"}) {
    SCOPED_TRACE(mode);
    SimConsole c("", 10, mode);
    c.tp.store.Set("directories", "LastKormetDIR", c.Home());
    c.kormet->StartKormet(false, false, nullptr);
    ASSERT_TRUE(c.kormet->state.HostApp);
    const fs::path options = c.sim.Home() / "AutomationStartupOptions.txt";
    if (mode == "OFFLINE") {
      EXPECT_EQ(ReadAll(options), std::optional<std::string>("/f \r\n"));
      EXPECT_EQ(c.sim.LogCount("Startup options: /f "), 1);
    } else {
      EXPECT_FALSE(fs::exists(options));
      EXPECT_EQ(c.sim.LogCount("Startup options"), 0);
    }
  }
}

TEST(KormetSim, NoHostToStartFallsBackToTestMode) {
  REQUIRE_SIM();
  SimConsole c;
  setenv("ZANTREL_KORMET_EXE", (c.tp.Folder() / "no-such-host").c_str(), 1);
  StartHostOrFallBack(*c.kormet, false, nullptr);
  setenv("ZANTREL_KORMET_EXE", SimHost::Executable().c_str(), 1);
  EXPECT_EQ(c.interfaceMode, "TEST");
  EXPECT_EQ(c.Messages("Unable to attach Kormet.  Interface will run in TEST mode."), 1);
}

TEST(KormetSim, FindsARunningHostAndRestartsIt) {
  REQUIRE_SIM();
  SimConsole c;
  {
    auto other = c.sim.Bind();  // someone else's host
    ASSERT_TRUE(other->WaitUntilReady(10));
  }
  const long first = c.sim.Pid();
  ASSERT_TRUE(c.kormet->HostWindowExists());
  FindAndRestartHost(*c.kormet, false, nullptr);
  EXPECT_TRUE(c.sim.WaitEnded());
  EXPECT_FALSE(c.kormet->HostWindowExists());
  EXPECT_EQ(c.Messages("Kormet was found, shutdown, and will be restarted.  Any work in progress "
                       "was saved."),
            1);
  StartHostOrFallBack(*c.kormet, false, nullptr);
  EXPECT_EQ(c.sim.LogCount("Process "), 2);
  EXPECT_NE(c.kormet->state.HostApp, nullptr);
  (void)first;
}

TEST(KormetSim, RestartsBeforeTheEleventhRun) {
  REQUIRE_SIM();
  for (const std::string restartNo : {"10", "abc"}) {
    SCOPED_TRACE(restartNo);
    SimConsole c("", 5);
    c.tp.store.Set("Kormet", "RESTART_NO", restartNo);
    c.tp.store.Set("Kormet", "AutoRestart", "0");
    const std::string routine = c.Routine("SHORT.prg", kShort);
    for (int i = 1; i <= 10; ++i) ASSERT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr));
    EXPECT_EQ(c.sim.LogCount("Process "), 1);
    EXPECT_EQ(c.sim.LogCount("Execute SHORT.prg"), 10);
    EXPECT_TRUE(c.tp.op.Messages().empty());

    ASSERT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr));
    EXPECT_EQ(c.sim.LogCount("Process "), 2);  // a new host process
    EXPECT_EQ(c.sim.LogCount("Quit"), 1);
    EXPECT_EQ(c.sim.LogCount("Execute SHORT.prg"), 11);
    EXPECT_EQ(c.kormet->state.runCount, 0);
    // This host ends at once, so only the box after the restart is shown.
    EXPECT_EQ(c.Messages("2023.1 was restarted, Press OK to continue"), 1);
    EXPECT_EQ(c.Messages("2023.1 is still shutting down... Press OK to continue"), 0);
    EXPECT_EQ(c.tp.op.Messages().size(), 1u);

    ASSERT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr));
    EXPECT_EQ(c.kormet->state.runCount, 1);
  }
}

TEST(KormetSim, StatisticsNameBecomesThePartName) {
  REQUIRE_SIM();
  SimConsole c;
  const std::string routine = c.Routine("SHORT.prg", kShort);
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr, "AB-12-C", "SN-1"));
  EXPECT_EQ(c.sim.LogCount("PartName AB_12_C"), 1);
  EXPECT_EQ(c.sim.LogCount("SerialNumber SN-1"), 1);
  EXPECT_EQ(c.sim.LogCount("RefreshPart"), 1);
  ASSERT_TRUE(c.kormet->state.HostPart);
  EXPECT_EQ(c.kormet->state.HostPart->PartName(), "AB_12_C");
  EXPECT_EQ(c.LogCount("stat name to: AB_12_C"), 1);
}

TEST(KormetSim, ReadOnlyRoutineIsMadeWritableAndRun) {
  REQUIRE_SIM();
  SimConsole c;
  const std::string routine = c.Routine("RO.prg", kShort);
  fs::permissions(routine,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr));
  EXPECT_NE(fs::status(routine).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(c.Messages("Error: Program " + routine + " was read-only, state reset to Normal."), 1);
  EXPECT_EQ(c.sim.LogCount("End RO.prg 1"), 1);
}

TEST(KormetSim, CancelRefusesTheNextRunOnce) {
  REQUIRE_SIM();
  for (int level : {5, 10}) {
    SCOPED_TRACE(level);
    SimConsole c("", level);
    const std::string cancel = c.Routine(
        "CANCEL.prg", "COMMENT before\nDIM LOC1 1100 1 1 0.1 0.1\nCANCEL\nCOMMENT after\n");
    const std::string routine = c.Routine("SHORT.prg", kShort);
    c.kormet->RunKormetProg(cancel, false, nullptr);
    EXPECT_TRUE(c.kormet->state.cancelled);
    EXPECT_EQ(c.LogCount("Kormet program was cancelled; Measurement will be halted. 2023.1 "
                         "Program Name:CANCEL.prg"),
              1);
    EXPECT_EQ(c.Messages("Kormet Measurement Routine was canceled by user"), level >= 10 ? 1 : 0);
    const int detail = level >= 10 ? 1 : 0;
    EXPECT_EQ(c.LogCount("Kormet Object about to execute, the command is:COMMENT before"), detail);
    EXPECT_EQ(c.LogCount("Kormet Object executed, the command was:DIM LOC1"), detail);
    EXPECT_EQ(c.LogCount("Kormet started execution of the Measurement Routine:CANCEL.prg"), detail);
    EXPECT_EQ(c.LogCount("Kormet opened the Measurement Routine:CANCEL.prg"), detail);

    c.tp.op.Clear();
    EXPECT_FALSE(c.kormet->RunKormetProg(routine, false, nullptr));
    EXPECT_EQ(c.tp.op.Messages(),
              (std::vector<std::string>{"2023.1 program was terminated.  Restart measurement."}));
    EXPECT_EQ(c.sim.LogCount("Execute SHORT.prg"), 0);

    EXPECT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr));
    EXPECT_EQ(c.sim.LogCount("Execute SHORT.prg"), 1);
    EXPECT_FALSE(c.kormet->state.cancelled);
    EXPECT_EQ(c.LogCount("Kormet program finished execution and terminated normally. 2023.1 "
                         "Program Name:SHORT.prg"),
              1);
  }
}

TEST(KormetSim, AHostThatDiesFailsTheRunAndTheNextRunStartsAnother) {
  REQUIRE_SIM();
  SimConsole c("", 5);
  const std::string crash = c.Routine("CRASH.prg", "COMMENT going\nCRASH\n");
  const std::string routine = c.Routine("SHORT.prg", kShort);
  EXPECT_FALSE(c.kormet->RunKormetProg(crash, false, nullptr));
  ASSERT_EQ(c.tp.op.Messages().size(), 1u);
  EXPECT_EQ(
      c.tp.op.Messages()[0].rfind("Error occurred during 2023.1 program " + crash + " failed.", 0),
      0u);
  const bool second = c.kormet->RunKormetProg(routine, false, nullptr);
  std::string log;
  for (const auto& line : c.tp.LogLines()) log += line + "\n";
  EXPECT_TRUE(second) << log;
  EXPECT_EQ(c.sim.LogCount("Process "), 2);
}

TEST(KormetSim, FindVarFindsTheAssignment) {
  REQUIRE_SIM();
  SimConsole c;
  const std::string routine =
      c.Routine("VARS.prg", "ASSIGN SHNKVAL2 = 1\nASSIGN SHNKVAL = 2.5\nDIM SHNK 1100\n");
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr));
  EXPECT_TRUE(c.kormet->FindVar("SHNKVAL"));
  EXPECT_FALSE(c.kormet->FindVar("SHNK"));
  EXPECT_FALSE(c.kormet->FindVar("shnkval"));
}

// Probe qualification end to end.

class RecordingSelection : public SelectionWindow {
 public:
  void ShowModal(QualificationChoice&) override { ++shown; }
  int shown = 0;
};

struct SimQualifier {
  SimQualifier(const std::string& config, const std::string& settings, SelectionWindow* window)
      : c(config) {
    c.sim.Write("Probes/P1.prb", "TIP T1 2.0\nTIP T2 3.0\n");
    c.tp.Write("zantrel.ini", settings);
    qualification = std::make_unique<ProbeQualification>(
        *c.kormet, window ? *window : recording, nullptr,
        [this](const std::string& file, const std::string& type, const std::string& mode) {
          shown.push_back(file + "|" + type + "|" + mode);
        },
        [] {});
  }
  void Run() { qualification->pBkgnd_Click(true, nullptr); }

  SimConsole c;
  RecordingSelection recording;
  std::vector<std::string> shown;
  std::unique_ptr<ProbeQualification> qualification;
};

const char* kNoQuestion = "WarnToolMoved = NO\nDefToolMoved = NO\n";

TEST(KormetSimProbes, SingleChoicesQualifyWithoutAWindowAndApplyTheFloors) {
  REQUIRE_SIM();
  SimQualifier q("[Qualification]\nNumHits = 3\nMoveSpeed = 0.5\nTouchspeed = 0\n", kNoQuestion,
                 nullptr);
  q.Run();
  EXPECT_EQ(q.recording.shown, 0);
  EXPECT_EQ(q.c.sim.LogCount("Qualify2 P1 Tool=SPHERE1 ToolMoved=0 Mode=100 ExecuteMode=0 "
                             "NumHits=25 MoveSpeed=20.000 Touchspeed=1.000 PreHit=2.000 passed"),
            1)
      << q.c.sim.Log();
  EXPECT_EQ(q.c.sim.LogCount("SaveChanges P1"), 1);
  EXPECT_EQ(q.shown, (std::vector<std::string>{q.c.Home() + "Probes/P1.Results|Results|SHOW"}));
  EXPECT_FALSE(fs::exists(q.c.sim.Home() / "0.prg"));
  EXPECT_TRUE(q.c.tp.op.Messages().empty());
}

TEST(KormetSimProbes, SaneValuesStay) {
  REQUIRE_SIM();
  SimQualifier q("[Qualification]\nNumHits = 5\nMoveSpeed = 1\nTouchspeed = 0.5\nPreHit = 0.1\n",
                 "WarnToolMoved = NO\n", nullptr);
  q.Run();
  EXPECT_EQ(q.c.sim.LogCount("Qualify2 P1 Tool=SPHERE1 ToolMoved=1 Mode=100 ExecuteMode=0 "
                             "NumHits=5 MoveSpeed=1.000 Touchspeed=0.500 PreHit=0.100 passed"),
            1)
      << q.c.sim.Log();
}

TEST(KormetSimProbes, ResultsOnlyInTheHostFolderAreFoundAtTheSecondPlace) {
  REQUIRE_SIM();
  SimQualifier q("[Host]\nResultsPlace = host\n", kNoQuestion, nullptr);
  q.Run();
  EXPECT_EQ(q.shown, (std::vector<std::string>{q.c.Home() + "P1.Results|Results|SHOW"}));
}

TEST(KormetSimProbes, CancelInTheSelectionWindowCancelsTheProbeChanges) {
  REQUIRE_SIM();
  QtSelectionWindow window;
  SimQualifier q("[Tools]\nSPHERE1 = 25.4\nSPHERE2 = 19.05\n", "", &window);
  bool clicked = false;
  QTimer timer;
  timer.setInterval(20);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == "frmSelect" && w->isVisible()) {
        if (auto* cancel = w->findChild<QPushButton*>("cmdCancel")) {
          clicked = true;
          cancel->click();
        }
      }
    }
  });
  timer.start();
  q.Run();
  timer.stop();
  EXPECT_TRUE(clicked);
  EXPECT_EQ(q.c.sim.LogCount("Qualify2"), 0);
  EXPECT_EQ(q.c.sim.LogCount("CancelChanges P1"), 1);
  EXPECT_EQ(q.c.sim.LogCount("SaveChanges"), 0);
  EXPECT_TRUE(q.shown.empty());
  EXPECT_FALSE(fs::exists(q.c.sim.Home() / "0.prg"));
  EXPECT_TRUE(q.c.tp.op.Messages().empty());
}

TEST(KormetSimProbes, AnAlternativeRoutineRunsInstead) {
  REQUIRE_SIM();
  SimQualifier q("", "", nullptr);
  const std::string alt = q.c.Routine("Qual_Tips.prg", "COMMENT qualify all tips\n");
  q.c.tp.Write("zantrel.ini", "AltProbeCalibrationProgram = " + alt + "\n");
  q.Run();
  EXPECT_EQ(q.c.sim.LogCount("Execute Qual_Tips.prg"), 1);
  EXPECT_EQ(q.c.sim.LogCount("Add 0"), 0);
  EXPECT_EQ(q.c.sim.LogCount("Qualify2"), 0);
}

}  // namespace
}  // namespace zantrel::testing
