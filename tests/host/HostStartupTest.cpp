// The console's start-up steps that find, restart and start the host, and the probe warning.
#include "host/HostStartup.h"

#include <gtest/gtest.h>

#include "tests/host/HostTestSupport.h"

namespace zantrel::testing {
namespace {

TEST(FindAndRestartHost, ARunningHostIsQuitAndRestartedFresh) {
  FakeConsole c;
  c.fake.StartProcess();
  c.splash.visible = true;
  FindAndRestartHost(*c.kormet, true, &c.splash);
  EXPECT_TRUE(c.fake.Called("quit"));
  EXPECT_FALSE(c.kormet->HostWindowExists());
  EXPECT_FALSE(c.kormet->state.HostApp);
  EXPECT_TRUE(c.splash.Has("Checking for Kormet..."));
  EXPECT_TRUE(c.splash.Has("Found Kormet. Closing for restart..."));
  EXPECT_TRUE(c.splash.Has("Waiting for Kormet to shutdown..."));
  EXPECT_EQ(c.tp.op.Messages(),
            (std::vector<std::string>{"Kormet was found, shutdown, and will be restarted.  Any "
                                      "work in progress was saved."}));
  EXPECT_TRUE(c.LogHas("MainInit: Found Kormet path: " + c.fake.folder));

  StartHostOrFallBack(*c.kormet, true, &c.splash);
  EXPECT_EQ(c.fake.starts, 2);
  EXPECT_TRUE(c.kormet->state.HostApp);
}

TEST(FindAndRestartHost, NothingRunningNothingDone) {
  FakeConsole c;
  FindAndRestartHost(*c.kormet, true, &c.splash);
  EXPECT_EQ(c.fake.binds, 0);
  EXPECT_TRUE(c.tp.op.Messages().empty());
}

TEST(FindAndRestartHost, TestModeLooksForNothing) {
  FakeConsole c(10, "TEST");
  c.fake.StartProcess();
  FindAndRestartHost(*c.kormet, true, &c.splash);
  StartHostOrFallBack(*c.kormet, true, &c.splash);
  EXPECT_TRUE(c.splash.texts.empty());
  EXPECT_EQ(c.fake.binds, 0);
  EXPECT_TRUE(c.kormet->HostWindowExists());
}

TEST(StartHostOrFallBack, AFailedStartLeavesTestMode) {
  FakeConsole c;
  c.fake.bindFails = true;
  StartHostOrFallBack(*c.kormet, false, nullptr);
  EXPECT_EQ(c.interfaceMode, "TEST");
  EXPECT_EQ(c.kormet->state.version, "TEST");
  EXPECT_EQ(
      c.tp.op.Messages(),
      (std::vector<std::string>{"Unable to attach Kormet.  Interface will run in TEST mode."}));
}

TEST(CheckProbeWarning, NewerHostAsksItsRegistry) {
  for (long warn : {0L, 1L}) {
    FakeConsole c;
    c.fake.registryInts["Option/WarnMeasAllTips"] = warn;
    c.fake.registryStrings["Option/LoadProbeUserSearchDirectory"] = "/probes/dir";
    c.kormet->StartKormet(false, false, nullptr);
    EXPECT_EQ(CheckProbeWarning(*c.kormet), ProbeWarning::Continue);
    EXPECT_EQ(c.kormet->probesDirectory, "/probes/dir");
    if (warn) {
      EXPECT_EQ(
          c.tp.op.Messages(),
          (std::vector<std::string>{
              "Incompatible setting found in 2023.1.\r\nPlease run Kormet Settings Editor and "
              "use [Find...] to locate the setting for 'WarnMeasAllTips', and change it to "
              "'0'.\r\nProbe qualification will not run until this setting is changed."}));
    } else {
      EXPECT_TRUE(c.tp.op.Messages().empty());
    }
  }
}

TEST(CheckProbeWarning, OlderHostReadsKorautoIni) {
  FakeConsole c;
  c.fake.version = "3.0";
  c.kormet->StartKormet(false, false, nullptr);
  const std::string ini = c.tp.drives.windowsDirectory + "/KORAUTO.INI";
  EXPECT_EQ(CheckProbeWarning(*c.kormet), ProbeWarning::Exit);
  EXPECT_EQ(c.tp.op.Messages(),
            (std::vector<std::string>{"KORAUTO.INI not found in " + ini +
                                      ". Please contact System Administrator."}));

  c.tp.op.Clear();
  c.tp.Write("Windows/KORAUTO.INI",
             "[Option]\nWarnMeasAllTips=1\nLoadProbeUserSearchDirectory=/old/probes");
  EXPECT_EQ(CheckProbeWarning(*c.kormet), ProbeWarning::Continue);
  EXPECT_EQ(c.kormet->probesDirectory, "/old/probes");
  EXPECT_EQ(c.tp.op.Messages(), (std::vector<std::string>{
                                    "Incompatible setting found in 3.0.\r\nSearch help for "
                                    "'WarnMeasAllTips'.  Follow the instructions.\r\nProbe "
                                    "qualification will not run until this setting is changed."}));
}

}  // namespace
}  // namespace zantrel::testing
