// The connection to the host: start, join, shutdown, the periodic restart and routine runs,
// against the in-memory host.
#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

#include "foundation/TextFile.h"
#include "host/Kormet.h"
#include "tests/host/HostTestSupport.h"

namespace zantrel::testing {
namespace {

namespace fs = std::filesystem;

TEST(CleanVersion, DropsBetaAndBlanks) {
  EXPECT_EQ(CleanVersion("3.2 beta"), "3.2");
  EXPECT_EQ(CleanVersion("3.2 BETA "), "3.2");
  EXPECT_EQ(CleanVersion(" 2023.1 "), "2023.1");
  EXPECT_EQ(CleanVersion("Beta3.0"), "3.0");
  EXPECT_TRUE(IsOlderHost("3.2"));
  EXPECT_TRUE(IsOlderHost("2.3"));
  EXPECT_FALSE(IsOlderHost("2023.1"));
}

TEST(StartKormet, JoinsAndRecordsTheHost) {
  FakeConsole c;
  c.fake.version = "3.2 beta";
  c.kormet->StartKormet(true, false, &c.splash);
  HostState& s = c.kormet->state;
  ASSERT_TRUE(s.HostApp);
  EXPECT_EQ(s.version, "3.2");
  EXPECT_EQ(s.folder, c.fake.folder);
  EXPECT_EQ(c.tp.store.Get("directories", "LastKormetDIR"), c.fake.folder);
  EXPECT_TRUE(s.HostParts);
  EXPECT_FALSE(c.fake.visible);
  EXPECT_TRUE(c.kormet->events.Connected());
  EXPECT_TRUE(c.kormet->events.DetailedConnected());
  EXPECT_TRUE(c.LogHas("Kormet Version: 3.2 beta"));
  EXPECT_EQ(c.splash.texts,
            (std::vector<std::string>{"Initializing Kormet...", "Kormet started and attached...",
                                      "Initializing 3.2...", "Linking 3.2...",
                                      "Connecting 3.2 event tracking..."}));
  EXPECT_EQ(c.interfaceMode, "CMM1");
}

TEST(StartKormet, DetailedReceiverOnlyFromLevelTen) {
  FakeConsole c(9);
  c.kormet->StartKormet(false, true, nullptr);
  EXPECT_TRUE(c.kormet->events.Connected());
  EXPECT_FALSE(c.kormet->events.DetailedConnected());
  EXPECT_TRUE(c.fake.visible);
}

TEST(StartKormet, OfflineWritesTheOptionsFileBeforeBinding) {
  for (const std::string mode : {"OFFLINE", "CMM1"}) {
    SCOPED_TRACE(mode);
    FakeConsole c(10, mode);
    c.Registry("directories", "LastKormetDIR", c.fake.folder);
    const fs::path options = fs::path(c.fake.folder) / "AutomationStartupOptions.txt";
    bool seenAtBind = false;
    HostBinder inner = c.fake.Binder();
    Kormet kormet(
        [&] {
          seenAtBind = fs::exists(options);
          return inner();
        },
        c.interfaceMode, c.settingsFile);
    kormet.StartKormet(false, false, nullptr);
    if (mode == "OFFLINE") {
      EXPECT_TRUE(seenAtBind);
      EXPECT_EQ(ReadLines(options), (std::vector<std::string>{"/f "}));
      EXPECT_EQ(*ReadAll(options), "/f \r\n");
    } else {
      EXPECT_FALSE(fs::exists(options));
    }
  }
}

TEST(AutomationStartupOptions, NothingWithoutAFolderAndBothSwitches) {
  TestPlatform tp;
  AutomationStartupOptions(true, true);  // no LastKormetDIR: nothing, no failure
  EXPECT_FALSE(fs::exists(tp.File("AutomationStartupOptions.txt")));
  tp.store.Set("directories", "LastKormetDIR", tp.Folder().string());  // no trailing separator
  AutomationStartupOptions(true, true);
  EXPECT_EQ(ReadLines(tp.File("AutomationStartupOptions.txt")),
            (std::vector<std::string>{"/f /d "}));
}

TEST(StartKormet, FailureFallsBackToTestMode) {
  for (bool notReady : {false, true}) {
    FakeConsole c;
    c.fake.bindFails = !notReady;
    c.fake.notReady = notReady;
    c.kormet->StartKormet(false, false, nullptr);
    EXPECT_EQ(c.interfaceMode, "TEST");
    EXPECT_FALSE(c.kormet->state.HostApp);
    EXPECT_EQ(
        c.tp.op.Messages(),
        (std::vector<std::string>{"Unable to attach Kormet.  Interface will run in TEST mode."}));
  }
}

TEST(KillKormet, ClosesQuitsAndWaitsOnTheClock) {
  FakeConsole c;
  c.kormet->StartKormet(true, false, &c.splash);
  c.Registry("Kormet", "Operator_Mode", "1");
  c.Registry("Timing", "CloseAllDelay", "1500");
  const auto before = c.tp.clock.Slept();
  c.kormet->KillKormet(true, &c.splash);
  EXPECT_FALSE(c.fake.Running());
  EXPECT_FALSE(c.kormet->HostWindowExists());
  EXPECT_TRUE(c.fake.Called("CloseAll"));
  EXPECT_TRUE(c.fake.Called("OperatorMode 0"));
  EXPECT_TRUE(c.fake.Called("quit"));
  EXPECT_FALSE(c.kormet->state.HostApp);
  EXPECT_FALSE(c.kormet->events.Connected());
  EXPECT_EQ(c.tp.clock.Slept() - before, std::chrono::milliseconds(1500));
  EXPECT_TRUE(c.splash.Has("Shutting down 2023.1..."));
  EXPECT_TRUE(c.splash.Has("Shutdown 2023.1."));
  EXPECT_FALSE(c.splash.visible);
  EXPECT_TRUE(c.tp.op.Messages().empty());
}

TEST(KillKormet, NoHostWindowNoShutdown) {
  FakeConsole c;
  c.kormet->KillKormet(true, &c.splash);
  EXPECT_TRUE(c.fake.calls.empty());
  EXPECT_TRUE(c.LogHas("KillKormet: End:"));
}

TEST(Kill9Kormet, AHostThatWillNotGoIsReported) {
  FakeConsole c;
  c.kormet->StartKormet(false, false, nullptr);
  c.tp.windows.closeWithdraws = false;
  c.fake.lingerAfterQuitMs = 60 * 60 * 1000;
  c.splash.visible = true;
  c.kormet->KillKormet(false, &c.splash);
  EXPECT_EQ(c.tp.windows.closeRequests.size(), 1u);
  EXPECT_TRUE(c.splash.Has("Kormet given 2nd chance to shutdown..."));
  EXPECT_TRUE(c.splash.Has("Kormet is being forced to shutdown..."));
  EXPECT_EQ(
      c.tp.op.Messages(),
      (std::vector<std::string>{"Kormet will not shutdown, Please contact System Administrator."}));
}

TEST(Kill9Kormet, ASlowHostGetsItsSecondChance) {
  FakeConsole c;
  c.kormet->StartKormet(false, false, nullptr);
  c.fake.lingerAfterQuitMs = 3000;  // more than KormetQuit, less than two
  c.splash.visible = true;
  c.kormet->KillKormet(false, &c.splash);
  EXPECT_TRUE(c.splash.Has("Kormet given 2nd chance to shutdown..."));
  EXPECT_FALSE(c.splash.Has("Kormet is being forced to shutdown..."));
  EXPECT_TRUE(c.tp.windows.closeRequests.empty());
  EXPECT_TRUE(c.tp.op.Messages().empty());
}

struct RestartCase {
  const char* restartNo;
  int runsBeforeRestart;
};

void PrintTo(const RestartCase& c, std::ostream* os) {
  *os << c.restartNo;
}

class PeriodicRestart : public ::testing::TestWithParam<RestartCase> {};

TEST_P(PeriodicRestart, RestartsBeforeTheRunAfterTheLimit) {
  FakeConsole c(5);
  c.Registry("Kormet", "RESTART_NO", GetParam().restartNo);
  const std::string routine = c.Routine("A.prg");
  const int limit = GetParam().runsBeforeRestart;
  for (int i = 1; i <= limit; ++i) ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_EQ(c.fake.starts, 1);
  EXPECT_EQ(c.kormet->state.runCount, limit);

  const auto before = c.tp.clock.Slept();
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_EQ(c.fake.starts, 2);
  EXPECT_EQ(c.kormet->state.runCount, 0);
  EXPECT_EQ(c.fake.executed.size(), static_cast<size_t>(limit + 1));
  // Two restart delays of 6 s each, on the virtual clock.
  EXPECT_GE(c.tp.clock.Slept() - before, std::chrono::milliseconds(12000));
  EXPECT_TRUE(c.tp.op.Messages().empty());  // AutoRestart 1: no boxes

  ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_EQ(c.kormet->state.runCount, 1);
}

INSTANTIATE_TEST_SUITE_P(RestartNo, PeriodicRestart,
                         ::testing::Values(RestartCase{"10", 10}, RestartCase{"abc", 10},
                                           RestartCase{"2", 2}));

TEST(PeriodicRestartBoxes, AutoRestartOffAsksWhileTheHostLingersAndAfterTheRestart) {
  FakeConsole c(5);
  c.Registry("Kormet", "RESTART_NO", "1");
  c.Registry("Kormet", "AutoRestart", "0");
  const std::string routine = c.Routine("A.prg");
  c.kormet->RunKormetProg(routine, true, nullptr);
  // The host takes longer than all of Kill9Kormet's waits to go away.
  c.tp.windows.closeWithdraws = false;
  c.fake.lingerAfterQuitMs = 7000;
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_GE(c.MessageCount("2023.1 is still shutting down... Press OK to continue"), 1);
  EXPECT_EQ(c.MessageCount("2023.1 was restarted, Press OK to continue"), 1);
  EXPECT_EQ(c.fake.starts, 2);
}

TEST(PeriodicRestartBoxes, AutoRestartOffWithAPromptHost) {
  FakeConsole c(5);
  c.Registry("Kormet", "RESTART_NO", "0");
  c.Registry("Kormet", "AutoRestart", "0");
  const std::string routine = c.Routine("A.prg");
  c.kormet->RunKormetProg(routine, true, nullptr);  // run 1 > 0: restart at once
  EXPECT_EQ(c.tp.op.Messages(),
            (std::vector<std::string>{"2023.1 was restarted, Press OK to continue"}));
}

TEST(RunKormetProg, OpensStampsAndRuns) {
  FakeConsole c;
  const std::string routine = c.Routine("BLADE.prg");
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr, "PN-123-A", "SN7"));
  EXPECT_TRUE(c.fake.Called("Open " + routine + " CMM1"));
  EXPECT_EQ(c.fake.partName, "PN_123_A");
  EXPECT_EQ(c.fake.serialNumber, "SN7");
  EXPECT_TRUE(c.fake.Called("RefreshPart"));
  EXPECT_TRUE(c.fake.Called("ClearAllBreakpoints"));
  EXPECT_TRUE(c.fake.Called("Visible 1"));
  EXPECT_FALSE(c.fake.visible);  // hidden again after the run
  EXPECT_EQ(c.tp.windows.fronted.size(), 1u);
  EXPECT_FALSE(c.fake.Called("CloseAll"));  // nothing was open
  EXPECT_TRUE(c.LogHas("RunKormetProg: No programs were open..."));

  c.Registry("Kormet", "ClearBreaks", "0");
  c.Registry("Kormet", "WindowUp", "0");
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_EQ(c.fake.CallCount("CloseAll"), 1);
  EXPECT_EQ(c.fake.CallCount("ClearAllBreakpoints"), 1);
  EXPECT_EQ(c.fake.CallCount("SetPartName PN_123_A"), 1);  // empty name: left alone
  EXPECT_EQ(c.tp.windows.fronted.size(), 1u);
  EXPECT_TRUE(c.LogHas("RunKormetProg: There was more than one program open..."));
  EXPECT_TRUE(c.LogHas("RunKormetProg: Kormet has been run 2 times."));
}

TEST(RunKormetProg, OfflineIsTheMachineName) {
  FakeConsole c(10, "OFFLINE");
  const std::string routine = c.Routine("BLADE.prg");
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_TRUE(c.fake.Called("Open " + routine + " OFFLINE"));
}

TEST(RunKormetProg, MissingRoutineIsReported) {
  FakeConsole c;
  const std::string routine = (c.tp.Folder() / "nothing.prg").string();
  EXPECT_FALSE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_EQ(c.tp.op.Messages(), (std::vector<std::string>{routine + " not found."}));
  EXPECT_TRUE(c.fake.executed.empty());
}

TEST(RunKormetProg, ReadOnlyRoutineIsMadeWritableAndRun) {
  FakeConsole c;
  const std::string routine = c.Routine("RO.prg");
  fs::permissions(routine,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_NE(fs::status(routine).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(c.tp.op.Messages(),
            (std::vector<std::string>{"Error: Program " + routine +
                                      " was read-only, state reset to Normal."}));
  EXPECT_EQ(c.fake.executed, (std::vector<std::string>{"RO.prg"}));
}

TEST(RunKormetProg, ARoutineTheHostCannotOpen) {
  FakeConsole c;
  const std::string routine = c.Routine("X.prg");
  HostBinder inner = c.fake.Binder();
  // The file vanishes between the console's check and the host's open.
  Kormet kormet(
      [&] {
        fs::remove(routine);
        return inner();
      },
      c.interfaceMode, c.settingsFile);
  EXPECT_FALSE(kormet.RunKormetProg(routine, true, nullptr));
  EXPECT_EQ(
      c.tp.op.Messages(),
      (std::vector<std::string>{"There was a problem accessing the part program: " + routine}));
  EXPECT_FALSE(c.fake.visible);
}

TEST(RunKormetProg, CancelRefusesTheNextRunOnce) {
  for (int level : {5, 10}) {
    SCOPED_TRACE(level);
    FakeConsole c(level);
    const std::string routine = c.Routine("A.prg");
    c.fake.runEnds = {FakeHost::RunEnd::Cancel};
    EXPECT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
    EXPECT_TRUE(c.kormet->state.cancelled);
    EXPECT_TRUE(
        c.LogHas("Kormet program was cancelled; Measurement will be halted. 2023.1 "
                 "Program Name:A.prg"));
    EXPECT_EQ(c.MessageCount("Kormet Measurement Routine was canceled by user"),
              level >= 10 ? 1 : 0);
    EXPECT_EQ(c.LogHas("KormetOnUpdateStatusMessage: Fired: Message was: Execute Mode Canceled"),
              level >= 10);

    c.tp.op.Clear();
    EXPECT_FALSE(c.kormet->RunKormetProg(routine, true, nullptr));
    EXPECT_EQ(c.tp.op.Messages(),
              (std::vector<std::string>{"2023.1 program was terminated.  Restart measurement."}));
    EXPECT_EQ(c.fake.executed.size(), 1u);
    EXPECT_FALSE(c.kormet->state.cancelled);

    EXPECT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
    EXPECT_EQ(c.fake.executed.size(), 2u);
    EXPECT_TRUE(
        c.LogHas("Kormet program finished execution and terminated normally. 2023.1 "
                 "Program Name:A.prg"));
  }
}

TEST(RunKormetProg, DetailedReceiverLogsEveryCommandAtLevelTen) {
  for (int level : {5, 10}) {
    FakeConsole c(level);
    const std::string routine = c.Routine("A.prg");
    c.fake.routineCommands["A.prg"] = {FakeHost::FakeCommand::Plain("DIM LOC1"),
                                       FakeHost::FakeCommand::Assign("SHNKVAL", "2")};
    c.kormet->RunKormetProg(routine, true, nullptr);
    const int expected = level >= 10 ? 1 : 0;
    EXPECT_EQ(c.LogCount("Kormet Object about to execute, the command is:DIM LOC1"), expected);
    EXPECT_EQ(c.LogCount("Kormet Object executed, the command was:ASSIGN SHNKVAL = 2"), expected);
    EXPECT_EQ(c.LogCount("Kormet started execution of the Measurement Routine:A.prg"), expected);
    EXPECT_EQ(c.LogCount("Kormet opened the Measurement Routine:A.prg"), expected);
    EXPECT_EQ(c.LogCount("terminated normally"), 1);
  }
}

TEST(RunKormetProg, AnUnknownEndHaltsToo) {
  FakeConsole c(5);
  const std::string routine = c.Routine("A.prg");
  c.fake.runEnds = {FakeHost::RunEnd::Other};
  c.kormet->RunKormetProg(routine, true, nullptr);
  EXPECT_TRUE(c.kormet->state.cancelled);
  EXPECT_TRUE(
      c.LogHas("Kormet program was cancelled for an unknown reason; Measurement will be "
               "halted."));
}

TEST(RunKormetProg, AHostThatDiesFailsTheRunAndTheNextRunStartsAnother) {
  FakeConsole c(5);
  const std::string routine = c.Routine("A.prg");
  c.fake.runEnds = {FakeHost::RunEnd::Die};
  EXPECT_FALSE(c.kormet->RunKormetProg(routine, true, nullptr));
  ASSERT_EQ(c.tp.op.Messages().size(), 1u);
  EXPECT_EQ(c.tp.op.Messages()[0].rfind(
                "Error occurred during 2023.1 program " + routine + " failed.", 0),
            0u);
  EXPECT_EQ(c.interfaceMode, "CMM1");
  EXPECT_TRUE(c.kormet->RunKormetProg(routine, true, nullptr));
  EXPECT_EQ(c.fake.starts, 2);
}

TEST(FindVar, MatchesAnAssignmentsNameExactly) {
  FakeConsole c;
  c.kormet->StartKormet(false, false, nullptr);
  EXPECT_FALSE(c.kormet->FindVar("SHNKVAL"));  // no active routine
  EXPECT_TRUE(c.LogHas("There is no active Kormet Measurement Routine."));

  const std::string routine = c.Routine("S.prg");
  c.fake.routineCommands["S.prg"] = {FakeHost::FakeCommand::Plain("DIM SHNKVAL"),
                                     FakeHost::FakeCommand::Assign("SHNKVAL2", "1"),
                                     FakeHost::FakeCommand::Assign("SHNKVAL", "1")};
  ASSERT_TRUE(c.kormet->RunKormetProg(routine, false, nullptr));
  EXPECT_TRUE(c.kormet->FindVar("SHNKVAL"));
  EXPECT_FALSE(c.kormet->FindVar("shnkval"));
  EXPECT_FALSE(c.kormet->FindVar("SHNK"));
  EXPECT_FALSE(c.kormet->state.HostPart);  // detached again, routine left open
  EXPECT_TRUE(c.LogHas("AttachActiveProgram: HostCommands.Count: 3"));
}

}  // namespace
}  // namespace zantrel::testing
