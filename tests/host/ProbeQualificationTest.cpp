// Probe qualification on the scratch routine, against the in-memory host.
#include "host/ProbeQualification.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

#include "tests/host/HostTestSupport.h"

namespace zantrel::testing {
namespace {

namespace fs = std::filesystem;

class ScriptedSelection : public SelectionWindow {
 public:
  void ShowModal(QualificationChoice& choice) override {
    shown.push_back(choice);
    if (cancel) {
      choice.probe.clear();
      choice.artifact.clear();
    } else {
      if (!probe.empty()) choice.probe = probe;
      if (!artifact.empty()) choice.artifact = artifact;
      if (moved) choice.moved = *moved;
    }
  }
  void Close() override { ++closed; }
  std::vector<QualificationChoice> shown;
  bool cancel = false;
  std::string probe, artifact;
  std::optional<bool> moved;
  int closed = 0;
};

class RecordingView : public ProbeView {
 public:
  std::string Caption() override { return caption; }
  void SetCaption(const std::string& text) override {
    caption = text;
    captions.push_back(text);
  }
  void SetEnabled(bool e) override { enabled = e; }
  std::string caption = "Click to Qualify";
  std::vector<std::string> captions;
  bool enabled = true;
};

struct Qualifier {
  explicit Qualifier(const std::string& settings = "", std::string mode = "CMM1")
      : c(10, std::move(mode)) {
    c.tp.Write("zantrel.ini", settings);
    qualification = std::make_unique<ProbeQualification>(
        *c.kormet, window, &view,
        [this](const std::string& file, const std::string& type, const std::string& mode) {
          shown.push_back(file + "|" + type + "|" + mode);
        },
        [this] { ++exits; });
  }
  void Run(bool normalRun = true) { qualification->pBkgnd_Click(normalRun, &c.splash); }

  FakeConsole c;
  ScriptedSelection window;
  RecordingView view;
  std::vector<std::string> shown;
  int exits = 0;
  std::unique_ptr<ProbeQualification> qualification;
};

TEST(ProbeQualification, QualifiesSavesAndShowsTheResults) {
  Qualifier q;
  q.c.fake.probes.push_back({"PROBE2", {}, q.c.fake.probeFolder});
  q.c.fake.tools = {"SPHERE1", "SPHERE2"};
  q.window.probe = "PROBE2";
  q.window.artifact = "SPHERE2";
  q.Run();
  ASSERT_EQ(q.window.shown.size(), 1u);
  const QualificationChoice& shown = q.window.shown[0];
  EXPECT_EQ(shown.caption, "Qualify: " + q.c.fake.probeFolder);
  EXPECT_EQ(shown.probes, (std::vector<std::string>{"PROBE1", "PROBE2"}));
  EXPECT_TRUE(shown.probeEnabled);
  EXPECT_EQ(shown.probeTip, "Select probe to qualify");
  EXPECT_EQ(shown.artifactTip, "Select qualification sphere");
  EXPECT_TRUE(shown.moved);

  EXPECT_TRUE(q.c.fake.Called("Add 0 0 [] []"));
  EXPECT_TRUE(q.c.fake.Called("Qualify2 PROBE2"));
  EXPECT_TRUE(q.c.fake.Called("SelectAllTips PROBE2"));
  EXPECT_TRUE(q.c.fake.Called("SaveChanges"));
  ASSERT_EQ(q.c.fake.qualified.size(), 1u);
  const auto& settings = q.c.fake.qualified[0];
  EXPECT_EQ(settings.tool, "SPHERE2");
  EXPECT_TRUE(settings.toolMoved);
  EXPECT_EQ(settings.mode, 100);
  EXPECT_EQ(settings.executeMode, 0);
  EXPECT_EQ(q.shown,
            (std::vector<std::string>{q.c.fake.probeFolder + "PROBE2.Results|Results|SHOW"}));
  EXPECT_TRUE(q.c.tp.op.Messages().empty());

  // Clean-up: scratch routine closed and deleted, window unloaded, picture back.
  EXPECT_TRUE(q.c.fake.Called("CloseAll"));
  EXPECT_FALSE(fs::exists(fs::path(q.c.fake.folder) / "0.prg"));
  EXPECT_EQ(q.window.closed, 1);
  EXPECT_EQ(q.view.caption, "Click to Qualify");
  EXPECT_TRUE(q.view.enabled);
  EXPECT_EQ(q.exits, 0);
  EXPECT_FALSE(q.c.kormet->state.HostPart);
}

TEST(ProbeQualification, SingleChoicesWithoutTheMovedQuestionShowNoWindow) {
  for (const char* def : {"YES", "NO"}) {
    SCOPED_TRACE(def);
    Qualifier q(std::string("WarnToolMoved = NO\nDefToolMoved = ") + def);
    q.Run();
    EXPECT_TRUE(q.window.shown.empty());
    ASSERT_EQ(q.c.fake.qualified.size(), 1u);
    EXPECT_EQ(q.c.fake.qualified[0].toolMoved, std::string(def) == "YES");
  }
}

TEST(ProbeQualification, CancelInTheWindowCancelsTheProbeChanges) {
  Qualifier q;
  q.window.cancel = true;
  q.Run();
  EXPECT_EQ(q.window.shown.size(), 1u);
  EXPECT_TRUE(q.c.fake.Called("CancelChanges"));
  EXPECT_TRUE(q.c.fake.qualified.empty());
  EXPECT_FALSE(q.c.fake.Called("SaveChanges"));
  EXPECT_FALSE(fs::exists(fs::path(q.c.fake.folder) / "0.prg"));
  EXPECT_TRUE(q.c.tp.op.Messages().empty());
}

struct FloorCase {
  long numHits;
  double moveSpeed, touchspeed, preHit;
  long numHitsAfter;
  double moveSpeedAfter, touchspeedAfter, preHitAfter;
};

void PrintTo(const FloorCase& c, std::ostream* os) {
  *os << c.numHits << "/" << c.moveSpeed << "/" << c.touchspeed << "/" << c.preHit;
}

class ParameterFloors : public ::testing::TestWithParam<FloorCase> {};

TEST_P(ParameterFloors, AreApplied) {
  const FloorCase f = GetParam();
  Qualifier q;
  auto& s = q.c.fake.probes[0].settings;
  s.numHits = f.numHits;
  s.moveSpeed = f.moveSpeed;
  s.touchspeed = f.touchspeed;
  s.preHit = f.preHit;
  q.Run();
  ASSERT_EQ(q.c.fake.qualified.size(), 1u);
  const auto& after = q.c.fake.qualified[0];
  EXPECT_EQ(after.numHits, f.numHitsAfter);
  EXPECT_DOUBLE_EQ(after.moveSpeed, f.moveSpeedAfter);
  EXPECT_DOUBLE_EQ(after.touchspeed, f.touchspeedAfter);
  EXPECT_DOUBLE_EQ(after.preHit, f.preHitAfter);
}

INSTANTIATE_TEST_SUITE_P(Values, ParameterFloors,
                         ::testing::Values(FloorCase{3, 0.5, 0, 0, 25, 20, 1, 1},
                                           FloorCase{5, 1, 0.1, 0.5, 5, 1, 0.1, 0.5},
                                           FloorCase{4, 50, -1, -2, 25, 50, 1, 1}));

TEST(ProbeQualification, ResultsOnlyInTheHostFolderAreFoundThere) {
  Qualifier q;
  q.c.fake.probes[0].resultsFolder = q.c.fake.folder;
  q.Run();
  EXPECT_EQ(q.shown, (std::vector<std::string>{q.c.fake.folder + "PROBE1.Results|Results|SHOW"}));
}

TEST(ProbeQualification, OldResultsAreMovedAsideAndMissingResultsReported) {
  Qualifier q;
  q.c.fake.probes[0].resultsFolder = "";  // the host writes none
  const fs::path old = fs::path(q.c.fake.probeFolder) / "PROBE1.Results";
  q.c.tp.Write("Kormet/Probes/PROBE1.Results", "old");
  const auto before = q.c.tp.clock.Slept();
  q.Run();
  EXPECT_FALSE(fs::exists(old));
  EXPECT_TRUE(fs::exists(fs::path(q.c.fake.probeFolder) / "PROBE1OLD.Results"));
  EXPECT_TRUE(q.shown.empty());
  EXPECT_EQ(q.c.tp.op.Messages(),
            (std::vector<std::string>{"Probe Results file could not be found.  It is likely that "
                                      "the probe qualification did not succeed.  Please Contact "
                                      "System Administrator"}));
  // 1000 ms before adding the scratch routine, two pauses of 1500 ms between the three looks.
  EXPECT_GE(q.c.tp.clock.Slept() - before, std::chrono::milliseconds(4000));
}

TEST(ProbeQualification, AFailedQualificationCancelsTheChanges) {
  Qualifier q;
  q.c.fake.qualifyResult = false;
  q.Run();
  EXPECT_TRUE(q.c.fake.Called("CancelChanges"));
  EXPECT_FALSE(q.c.fake.Called("SaveChanges"));
  EXPECT_EQ(
      q.c.tp.op.Messages(),
      (std::vector<std::string>{"Probe Qualification failed. Contact System Administrator."}));
  EXPECT_FALSE(fs::exists(fs::path(q.c.fake.folder) / "0.prg"));
}

TEST(ProbeQualification, NoProbesOrNoToolsEndInABox) {
  {
    Qualifier q;
    q.c.fake.probes.clear();
    q.Run();
    EXPECT_EQ(q.c.tp.op.Messages(),
              (std::vector<std::string>{"There are no probe files to qualify."}));
    EXPECT_TRUE(q.c.fake.Called("CloseAll"));
  }
  {
    Qualifier q;
    q.c.fake.tools.clear();
    q.Run();
    EXPECT_EQ(q.c.tp.op.Messages(),
              (std::vector<std::string>{"There are no artifacts (tools) to measure."}));
  }
}

TEST(ProbeQualification, AnAlternativeRoutineRunsInstead) {
  Qualifier q;
  const std::string alt = q.c.Routine("Qual_Tips.prg");
  q.c.tp.Write("zantrel.ini", "AltProbeCalibrationProgram = " + alt);
  q.Run();
  EXPECT_EQ(q.c.fake.executed, (std::vector<std::string>{"Qual_Tips.prg"}));
  EXPECT_FALSE(q.c.fake.Called("Add 0 0 [] []"));
  EXPECT_TRUE(q.c.fake.qualified.empty());

  // A name that does not exist falls back to the scratch routine.
  Qualifier r("AltProbeCalibrationProgram = /nonexistent/zantrel/none.prg");
  r.Run();
  EXPECT_EQ(r.c.fake.qualified.size(), 1u);
}

TEST(ProbeQualification, TestModeRefuses) {
  Qualifier q("", "TEST");
  q.Run();
  EXPECT_EQ(q.c.tp.op.Messages(),
            (std::vector<std::string>{"Interface is in TEST mode, switch to OFFLINE, or CMM1 to "
                                      "test probe qualification."}));
  EXPECT_EQ(q.c.fake.binds, 0);
}

TEST(ProbeQualification, OlderHostsGetTheMachineAndPqModeExits) {
  Qualifier q("Operator_Mode = ON", "OFFLINE");
  q.c.fake.version = "3.2 beta";
  q.Run(false);
  EXPECT_TRUE(q.c.fake.Called("Add 0 0 [OFFLINE] []"));
  EXPECT_FALSE(q.c.fake.Called("Probes.Visible 0"));
  EXPECT_EQ(q.exits, 1);
  EXPECT_EQ(q.c.fake.operatorMode, true);
}

}  // namespace
}  // namespace zantrel::testing
