// The routine language of kormetsim: what each line means, what is refused, and that a saved
// routine reads back the same.
#include <gtest/gtest.h>

#include "sim/kormet/Routine.h"

namespace zantrel::kormetsim {
namespace {

TEST(RoutineLanguage, CommandsCarryTheirFields) {
  std::string error;
  auto dim = ParseCommand("DIM LOC1 1002 1.23456 1.23 0.005 0.005", error);
  ASSERT_TRUE(dim) << error;
  EXPECT_EQ(dim->kind, Kind::Dimension);
  EXPECT_EQ(dim->id, "LOC1");
  EXPECT_EQ(dim->type, 1002);
  EXPECT_NEAR(dim->Deviation(), 0.00456, 1e-12);

  auto header = ParseCommand("DIM LOC2 1000", error);
  ASSERT_TRUE(header);
  EXPECT_FALSE(header->hasValues);

  auto axis = ParseCommand("AXIS 1003 2 2.01 0.02 0.03", error);
  ASSERT_TRUE(axis);
  EXPECT_EQ(axis->id, "");
  EXPECT_DOUBLE_EQ(axis->minus, 0.03);

  auto assign = ParseCommand("ASSIGN SHNKVAL = \"1.5 mm\"", error);
  ASSERT_TRUE(assign);
  EXPECT_EQ(assign->type, kTypeAssign);
  EXPECT_EQ(assign->name, "SHNKVAL");
  EXPECT_EQ(assign->value, "1.5 mm");

  auto trace = ParseCommand("TRACE Operator = Smith", error);
  ASSERT_TRUE(trace);
  EXPECT_EQ(trace->kind, Kind::Trace);
  EXPECT_EQ(trace->value, "Smith");

  auto run =
      ParseCommand("BP RUNWAIT \"/opt/dev tab/devtab\" \"C:\\rep\\out file.txt\" LOC1", error);
  ASSERT_TRUE(run);
  EXPECT_TRUE(run->breakpoint);
  EXPECT_TRUE(run->wait);
  EXPECT_EQ(run->args,
            (std::vector<std::string>{"/opt/dev tab/devtab", "C:\\rep\\out file.txt", "LOC1"}));
}

TEST(RoutineLanguage, MalformedLinesAreRefusedWithTheReason) {
  const char* bad[] = {"DIM LOC1",
                       "DIM LOC1 1002 1 2 3",
                       "AXIS 1002 1 2 3",
                       "AXIS X 1 2 3 4",
                       "ASSIGN",
                       "LOADPROBE",
                       "PAUSE",
                       "PAUSE -1",
                       "REPORT",
                       "SCAN a b",
                       "RUN",
                       "MEASURE ALL"};
  for (const char* line : bad) {
    std::string error;
    EXPECT_FALSE(ParseCommand(line, error)) << line;
    EXPECT_FALSE(error.empty()) << line;
  }
  std::string error;
  EXPECT_FALSE(ParseRoutine({"COMMENT ok", "FLY AWAY"}, error));
  EXPECT_EQ(error, "line 2: unknown command FLY");
}

TEST(RoutineLanguage, ASavedRoutineReadsBackTheSame) {
  const std::vector<std::string> source{"! comment lines are not commands",
                                        "PARTNAME BLADE_1",
                                        "SERIAL \"SN 7\"",
                                        "DIM LOC1 1000",
                                        "AXIS 1002 1.5 1.4 0.1 0.1",
                                        "ASSIGN SHNKVAL = 2.5",
                                        "TRACE \"Lot No\" = \"\"",
                                        "LOADPROBE PROBE1.prb",
                                        "BP STATUS halfway there",
                                        "PAUSE 0.5",
                                        "SCAN in.txt ${APP}/noms out.rtf"};
  std::string error;
  auto routine = ParseRoutine(source, error);
  ASSERT_TRUE(routine) << error;
  EXPECT_EQ(routine->partName, "BLADE_1");
  EXPECT_EQ(routine->serialNumber, "SN 7");
  ASSERT_EQ(routine->commands.size(), 8u);
  EXPECT_EQ(routine->commands[3].name, "Lot No");
  EXPECT_EQ(routine->commands[3].value, "");

  auto again = ParseRoutine(RoutineLines(*routine), error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(RoutineLines(*again), RoutineLines(*routine));
  EXPECT_EQ(again->serialNumber, "SN 7");
  EXPECT_TRUE(again->commands[5].breakpoint);
}

}  // namespace
}  // namespace zantrel::kormetsim
