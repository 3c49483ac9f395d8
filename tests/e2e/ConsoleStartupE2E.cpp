#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/TextFile.h"
#include "tests/e2e/Installation.h"

using namespace zantrel;
using namespace zantrel::e2e;

namespace {

bool Has(const std::vector<std::string>& lines, const std::string& part) {
  for (const auto& l : lines)
    if (l.find(part) != std::string::npos) return true;
  return false;
}

TEST(ConsoleStartup, FirstStartInEmptyFolderUnattended) {
  Installation inst;
  Result first = inst.RunConsole({"No", "No", "No"});
  ASSERT_TRUE(first.finished);
  EXPECT_EQ(first.exitCode, 0) << first.err;

  const std::string ini = inst.Read("zantrel.ini");
  EXPECT_NE(ini.find("\r\nInterface = TEST !To run the CMM this value should be CMM1\r\n"),
            std::string::npos);
  EXPECT_NE(ini.find("\r\nMBR = OFF !Enable Multi-Bladed Rotor Functionality\r\n"),
            std::string::npos);
  EXPECT_EQ(ini.find("Trim = "), std::string::npos);

  auto transcript = inst.Transcript();
  EXPECT_TRUE(Has(transcript, "question [ONLINE?] Are you ONLINE (On a CMM)? -> No"));
  EXPECT_TRUE(Has(transcript, "message [Zantrel] Interface is in TEST mode -> OK"));

  // The log's header lines, in order.
  auto log = *ReadLines(inst.File("debug.txt"));
  std::vector<std::string> order{"Zantrel Version ", "Date: ", "debuglevel 10",
                                 "frmMain_Initialize: Start: Command Line was:"};
  size_t at = 0;
  for (const auto& want : order) {
    while (at < log.size() && log[at].find(want) == std::string::npos) ++at;
    ASSERT_LT(at, log.size()) << want;
  }

  // The second start keeps the first run's log as the backup.
  Result second = inst.RunConsole({});
  EXPECT_EQ(second.exitCode, 0) << second.err;
  EXPECT_TRUE(std::filesystem::exists(inst.File("debugOLD.txt")));
  EXPECT_EQ(*ReadLines(inst.File("debugOLD.txt")), log);
}

TEST(ConsoleStartup, UnansweredQuestionEndsTheRun) {
  Installation inst;
  Result run = inst.RunConsole({"No"});  // three questions, one answer
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_NE(run.err.find("Is Kormet OFFLINE installed on this system?"), std::string::npos)
      << run.err;
  EXPECT_TRUE(Has(inst.Transcript(), "UNANSWERED"));
}

}  // namespace
