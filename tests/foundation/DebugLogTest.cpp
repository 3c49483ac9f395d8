#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/Debug.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;

namespace {

struct LevelCase {
  int debugLevel;
  int messageLevel;
  bool written;
  bool stamped;
};

class DebugLevels : public ::testing::TestWithParam<LevelCase> {};

TEST_P(DebugLevels, WritesWithinLevel) {
  TestPlatform tp(GetParam().debugLevel);
  DebugLog("hello", GetParam().messageLevel, false, kInfo);
  auto lines = tp.LogLines();
  if (!GetParam().written) {
    EXPECT_TRUE(lines.empty());
    return;
  }
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], GetParam().stamped ? "05:06:07: INFO: hello" : "INFO: hello");
}

INSTANTIATE_TEST_SUITE_P(
    Levels, DebugLevels,
    ::testing::Values(LevelCase{4, 0, false, false}, LevelCase{5, 0, true, false},
                      LevelCase{5, 5, true, false}, LevelCase{5, 6, false, false},
                      LevelCase{9, 9, true, true}, LevelCase{9, 10, false, true},
                      LevelCase{10, 10, true, true}));

TEST(DebugLog, KindWords) {
  TestPlatform tp(5);
  DebugLog("a", 0, false, 1);
  DebugLog("b", 0, false, 2);
  DebugLog("c", 0, false, 3);
  DebugLog("d", 0, false, 7);
  EXPECT_EQ(tp.LogLines(), (std::vector<std::string>{"ERRR: a", "WARN: b", "INFO: c", "UNSP: d"}));
}

TEST(DebugLog, BoxShowsLinesAndLogsWithoutKind) {
  TestPlatform tp(5);
  DebugLog("first\r\nsecond", 0, true, kErrr);
  EXPECT_EQ(tp.LogLines(), (std::vector<std::string>{"first second"}));
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  EXPECT_EQ(tp.op.Messages()[0], "first\r\nsecond");
}

TEST(DebugLog, BoxShownWhateverTheLevel) {
  TestPlatform tp(0);
  DebugLog("shown", 10, true, kInfo);
  EXPECT_EQ(tp.op.Messages(), (std::vector<std::string>{"shown"}));
  EXPECT_TRUE(tp.LogLines().empty());
}

TEST(DebugLog, UnwritableLogWarnsOnceUntilAWriteSucceeds) {
  TestPlatform tp(10);
  std::filesystem::create_directory(tp.File("debug.txt"));  // cannot be opened as a file
  DebugLog("lost 1", 0);
  DebugLog("lost 2", 0);
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  EXPECT_EQ(tp.op.Messages()[0],
            "Unable to open " + tp.Folder().string() +
                "/debug.txt for writing and may be in use by another process.\r"
                "If problem persists, contact a System Administrator.");
  std::filesystem::remove(tp.File("debug.txt"));
  DebugLog("written", 0);
  std::filesystem::remove(tp.File("debug.txt"));
  std::filesystem::create_directory(tp.File("debug.txt"));
  DebugLog("lost 3", 0);
  EXPECT_EQ(tp.op.Messages().size(), 2u);
}

TEST(DebugLog, DevtabVariant) {
  TestPlatform tp(10);
  tp.context.variant = Variant::Devtab;
  DebugLog("plain", 0, false, kErrr);
  EXPECT_EQ(tp.LogLines(), (std::vector<std::string>{"05:06:07: plain"}));
  std::filesystem::remove(tp.File("debug.txt"));
  std::filesystem::create_directory(tp.File("debug.txt"));
  DebugLog("lost", 0);
  EXPECT_TRUE(tp.op.Messages().empty());
}

TEST(ErrorText, Forms) {
  TestPlatform tp;
  EXPECT_EQ(ErrorText(53, "File not found"),
            "\r\nInformational Message\r\nError Number: 53\r\nError Description: File not "
            "found\r\n");
  EXPECT_EQ(ErrorText(5, " "),
            "\r\nInformational Message\r\nError Number: 5\r\nError Description: Unknown "
            "error.\r\n");
  tp.context.variant = Variant::Devtab;
  EXPECT_EQ(ErrorText(53, "x"), "\r\nError Number: 53\r\nError Description: x\r\n");
}

}  // namespace
