// "kormetsim --run": a routine opened and executed straight from the command line.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "foundation/TextFile.h"
#include "geometry/Progress.h"
#include "geometry/ReadPts.h"
#include "platform/rtf/RtfRichText.h"
#include "platform/testing/TestPlatform.h"
#include "tests/hostipc/SimHost.h"

namespace zantrel {
namespace {

namespace fs = std::filesystem;

int RunSim(testing::SimHost& sim, const std::string& routine) {
  QProcess process;
  process.setProgram(QString::fromStdString(testing::SimHost::Executable()));
  process.setArguments({"--headless", "--home", QString::fromStdString(sim.Home().string()),
                        "--run", QString::fromStdString(routine)});
  process.start();
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return -1;
  }
  return process.exitCode();
}

TEST(RunCommand, AScanRoutineWritesTheMeasuredDataTheConsoleReads) {
  TestPlatform tp(0);
  testing::SimHost sim("[Scan]\nPointsPerHalf = 20\n");
  const fs::path fixtures = fs::path(ZANTREL_FIXTURES) / "sim";
  const fs::path out = tp.File("blade.rtf");
  sim.Write("scan.prg", "SCAN \"" + (fixtures / "blade.txt").string() + "\" \"" +
                            fixtures.string() + "\" \"" + out.string() +
                            "\"\nREPORT ${HOST_DIR}/KORMET.RTF\nREPORT ${HOST_DIR}/KORMET.TXT\n");
  ASSERT_EQ(RunSim(sim, (sim.Home() / "scan.prg").string()), 0) << sim.Log();

  RtfRichText rtf;
  MemoryProgress progress;
  auto sections = readData(rtf, out.string(), 2, progress);
  ASSERT_TRUE(sections.has_value());
  ASSERT_EQ(sections->Count(), 4);  // two blocks for each of the two sections
  for (const auto& block : *sections) EXPECT_GT(block.Count(), 10);
  EXPECT_TRUE(fs::exists(sim.Home() / "KORMET.RTF"));
  EXPECT_TRUE(fs::exists(sim.Home() / "KORMET.TXT"));
}

TEST(RunCommand, AFailingOrCancelledRoutineEndsWithExitCodeOne) {
  testing::SimHost sim;
  sim.Write("cancel.prg", "COMMENT start\nCANCEL\n");
  sim.Write("fail.prg", "SCAN nothing.txt nowhere out.rtf\n");
  EXPECT_EQ(RunSim(sim, (sim.Home() / "cancel.prg").string()), 1);
  EXPECT_EQ(sim.LogCount("End cancel.prg 2"), 1);
  EXPECT_EQ(RunSim(sim, (sim.Home() / "fail.prg").string()), 1);
  EXPECT_EQ(sim.LogCount("End fail.prg 3"), 1);
  EXPECT_EQ(RunSim(sim, (sim.Home() / "missing.prg").string()), 1);
}

}  // namespace
}  // namespace zantrel
