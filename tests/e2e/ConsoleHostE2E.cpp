#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>

#include "foundation/TextFile.h"
#include "tests/e2e/Installation.h"

using namespace zantrel;
using namespace zantrel::e2e;
namespace fs = std::filesystem;

namespace {

bool Has(const std::vector<std::string>& lines, const std::string& part) {
  for (const auto& l : lines)
    if (l.find(part) != std::string::npos) return true;
  return false;
}

// An OFFLINE installation with the simulated host in its own folder and on its own socket.
struct OfflineInstallation {
  OfflineInstallation() {
    fs::create_directories(inst.File("host"));
    fs::copy_file(fs::path(ZANTREL_BINARY_DIR) / "sim" / "kormet" / "kormetsim",
                  inst.File("host/kormetsim"));
    inst.Write("host/kormetsim.ini",
               "[Host]\nVersionString = 2024.2\n[Registry]\nOption/WarnMeasAllTips = 0\n"
               "Option/LoadProbeUserSearchDirectory = " +
                   inst.File("host").string() + "\n");
    inst.Write("zantrel.ini", "Interface = OFFLINE\ndebuglevel = 10\nSingleZone = ON\n");
    inst.environment = {"ZANTREL_KORMET_EXE=" + inst.File("host/kormetsim").string(),
                        "ZANTREL_KORMET_SERVER=" + inst.File("kormet.sock").string(),
                        "KORMETSIM_HEADLESS=1"};
  }
  Installation inst;
};

TEST(ConsoleWithHost, StartsTheHostAndShutsItDownAtTheEnd) {
  OfflineInstallation offline;
  Installation& inst = offline.inst;
  Result run = inst.RunConsole({});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << run.err;

  auto log = *ReadLines(inst.File("debug.txt"));
  EXPECT_TRUE(Has(log, "Kormet started and attached...")) << inst.Read("debug.txt");
  EXPECT_TRUE(Has(log, "Kormet Version: 2024.2"));
  EXPECT_TRUE(Has(log, "Kormet probes directory: " + inst.File("host").string()));
  EXPECT_TRUE(Has(log, "KillKormet: End:"));
  EXPECT_FALSE(Has(inst.Transcript(), "Interface is in TEST mode"));
  EXPECT_FALSE(Has(inst.Transcript(), "Incompatible setting"));
  // The socket is gone with the host.
  EXPECT_FALSE(fs::exists(inst.File("kormet.sock")));
}

TEST(ConsoleWithHost, AHostThatCannotStartFallsBackToTestMode) {
  OfflineInstallation offline;
  Installation& inst = offline.inst;
  inst.environment[0] = "ZANTREL_KORMET_EXE=" + inst.File("host/missing").string();
  Result run = inst.RunConsole({});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(Has(inst.Transcript(), "Unable to attach Kormet.  Interface will run in TEST mode."))
      << inst.Read("answers.txt.transcript");
}

}  // namespace
