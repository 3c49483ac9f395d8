#include "host/HostStartup.h"

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"

namespace zantrel {

namespace {

// A sentence followed by "." unless it ends in one already.
std::string Sentence(const std::string& text) {
  return (!text.empty() && text.back() == '.') ? text : text + ".";
}

}  // namespace

void FindAndRestartHost(Kormet& kormet, bool normalRun, StartupStatus* splash) {
  if (kormet.TestMode()) return;
  const std::string checking = Translate("Checking for Kormet...");
  if (normalRun && splash) splash->Show(checking);
  DebugLog(checking, 0);
  if (!kormet.HostWindowExists()) return;

  const std::string found = Translate("Found Kormet. Closing for restart...");
  if (normalRun && splash) splash->Show(found);
  DebugLog(found, 0);
  HostState& host = kormet.state;
  try {
    DebugLog("MainInit: GetObject", 0);
    host.HostApp = kormet.Bind();
    DebugLog("MainInit: GotObject", 0);
    DebugLog("WaitUntilReady", 5);
    host.HostApp->WaitUntilReady(10);
    DebugLog("MainInit: Found Kormet full name: " + host.HostApp->FullName(), 0);
    DebugLog("MainInit: Found Kormet path: " + ExpandShortFolder(host.HostApp->Path()), 0);
    DebugLog("MainInit: App Quit...", 0);
    if (host.HostApp) host.HostApp->quit();
  } catch (const std::exception& e) {
    // A host that cannot be joined is forced down below all the same.
    DebugLog(std::string("MainInit: ") + e.what(), 0);
  }
  RelObj(host.HostApp, "HostApp");
  DebugLog(Translate("Kormet was found, shutdown, and will be restarted.  Any work in progress "
                     "was saved") +
               ".",
           0, true, kInfo);
  kormet.Kill9Kormet(splash);
}

void StartHostOrFallBack(Kormet& kormet, bool normalRun, StartupStatus* splash) {
  if (kormet.TestMode()) return;
  try {
    kormet.StartKormet(normalRun, false, splash);
  } catch (const std::exception& e) {
    DebugLog(std::string("StartKormet: ") + e.what(), 0);
    kormet.events.DetachEvents();
    kormet.state.HostApp.reset();
    kormet.state.HostParts.reset();
    DebugLog(Translate("Unable to attach Kormet.  Interface will run in TEST mode."), 0, true,
             kErrr);
    kormet.InterfaceMode() = "TEST";
    kormet.state.version = Translate("TEST");
  }
}

ProbeWarning CheckProbeWarning(Kormet& kormet) {
  if (kormet.TestMode()) return ProbeWarning::Continue;
  HostState& host = kormet.state;
  const std::string incompatible = Translate("Incompatible setting found in") + " " + host.version;
  if (!IsOlderHost(host.version)) {
    try {
      if (!host.HostApp) return ProbeWarning::Continue;
      if (host.HostApp->GetRegistryInt("Option", "WarnMeasAllTips", 1) != 0) {
        DebugLog(Sentence(incompatible) + "\r\n" +
                     Sentence(Translate("Please run Kormet Settings Editor and use [Find...] to "
                                        "locate the setting for 'WarnMeasAllTips', and change it "
                                        "to '0'.")) +
                     "\r\n" +
                     Sentence(Translate(
                         "Probe qualification will not run until this setting is changed.")),
                 0, true, kWarn);
      }
      kormet.probesDirectory =
          host.HostApp->GetRegistryString("Option", "LoadProbeUserSearchDirectory", "");
    } catch (const host::HostError& e) {
      DebugLog("frmMain_Form_Load: " + ErrorText(e), 0);
    }
    DebugLog("Kormet probes directory: " + kormet.probesDirectory, 0);
    return ProbeWarning::Continue;
  }

  const std::string ini = JoinPath(WindowsDirectory(), "KORAUTO.INI");
  if (!FileExists(ini, true)) {
    DebugLog(Translate("KORAUTO.INI not found in") + " " + ini + ". " +
                 Translate("Please contact System Administrator") + ".",
             0, true, kErrr);
    return ProbeWarning::Exit;
  }
  if (NumberOr(ReadIniKey(NativePath(ini), "WarnMeasAllTips"), 0) != 0) {
    DebugLog(
        Sentence(incompatible) + "\r\n" +
            Sentence(Translate("Search help for 'WarnMeasAllTips'.  Follow the instructions")) +
            "\r\n" +
            Sentence(Translate("Probe qualification will not run until this setting is changed")),
        0, true, kWarn);
  }
  kormet.probesDirectory = ReadIniKey(NativePath(ini), "LoadProbeUserSearchDirectory");
  DebugLog("Kormet probes directory: " + kormet.probesDirectory, 0);
  return ProbeWarning::Continue;
}

}  // namespace zantrel
