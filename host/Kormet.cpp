#include "host/Kormet.h"

#include <algorithm>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/RelObj.inl"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "platform/Clock.h"
#include "platform/Operator.h"
#include "platform/UserStore.h"
#include "platform/WindowRegistry.h"

namespace zantrel {

using Ms = Clock::Ms;

std::string CleanVersion(const std::string& raw) {
  std::string text = raw;
  std::string upper = UCase(text);
  for (size_t at; (at = upper.find("BETA")) != std::string::npos;) {
    text.erase(at, 4);
    upper.erase(at, 4);
  }
  return Trim(text);
}

bool IsOlderHost(const std::string& version) {
  return version.find("3.2") != std::string::npos || version.find("3.0") != std::string::npos ||
         version.find("2.3") != std::string::npos;
}

long long RegistryNumber(const std::string& section, const std::string& key, long long fallback) {
  return NumberOr(GetIniVal(section, key, std::to_string(fallback)), fallback);
}

void AutomationStartupOptions(bool firstSwitch, bool secondSwitch) {
  std::string folder;
  if (HasContext() && Ctx().platform.store)
    folder = Ctx().platform.store->Get("directories", "LastKormetDIR").value_or("");
  if (Trim(folder).empty()) {
    DebugLog("AutomationStartupOptions: LastKormetDIR is empty, no options file written.", 5);
    return;
  }
  if (folder.back() != '\\' && folder.back() != '/') folder += '/';
  std::string line;
  if (firstSwitch) line += "/f ";
  if (secondSwitch) line += "/d ";
  const std::string file = folder + "AutomationStartupOptions.txt";
  try {
    WriteLines(NativePath(file), {line});
    DebugLog("AutomationStartupOptions: " + file + ": " + line, 5);
  } catch (const FileError& e) {
    DebugLog("AutomationStartupOptions: " + ErrorText(e), 0);
  }
}

Kormet::Kormet(HostBinder bind, std::string& interfaceMode,
               const std::filesystem::path& settingsFile)
    : events(state),
      restartTimer(settingsFile),
      bind_(std::move(bind)),
      interfaceMode_(interfaceMode),
      settingsFile_(settingsFile) {}

std::shared_ptr<host::Application> Kormet::Bind() {
  if (!bind_) throw host::HostError(host::HostError::Kind::NotFound, "No host binding installed");
  auto app = bind_();
  if (!app) throw host::HostError(host::HostError::Kind::NotFound, "The host could not be bound");
  return app;
}

bool Kormet::HostWindowExists() const {
  if (!HasContext() || !Ctx().platform.windows) return false;
  return Ctx().platform.windows->FindByClass(host::kKormetWindowClass).has_value();
}

void Kormet::Status(StartupStatus* splash, const std::string& text, bool onlyVisible) const {
  if (splash && (!onlyVisible || splash->IsVisible())) splash->Show(text);
  DebugLog(text, 0);
}

void Kormet::WaitWhileHostWindow(int milliseconds) {
  // Ends early once the host is gone; a host that lingers gets the whole time.
  Ctx().platform.clock->WaitWhile([this] { return HostWindowExists(); }, Ms(milliseconds), Ms(50));
}

void Kormet::StartKormet(bool normalRun, bool keepVisible, StartupStatus* splash) {
  DebugLog("StartKormet: Start", 0);
  if (normalRun && splash) {
    splash->ShowSplash();
    Status(splash, Translate("Initializing Kormet..."), false);
  }
  try {
    if (interfaceMode_ == "OFFLINE") AutomationStartupOptions(true, false);
    DebugLog("StartKormet: GetObject", 5);
    state.HostApp = Bind();
    DebugLog("StartKormet: GotObject", 5);
    DebugLog("WaitUntilReady", 5);
    if (!state.HostApp->WaitUntilReady(40))
      throw host::HostError(host::HostError::Kind::TimedOut, "Kormet did not become ready");
  } catch (const std::exception& e) {
    DebugLog(std::string("StartKormet: ") + e.what(), 5);
    state.HostApp.reset();
    DebugLog(Translate("Unable to attach Kormet.  Interface will run in TEST mode."), 0, true,
             kErrr);
    interfaceMode_ = "TEST";
    state.version = Translate("TEST");
    return;
  }

  if (normalRun) Status(splash, Translate("Kormet started and attached..."), false);
  if (!keepVisible) state.HostApp->SetVisible(false);

  const std::string raw = state.HostApp->VersionString();
  DebugLog("Kormet Version: " + raw, 0);
  state.version = CleanVersion(raw);
  if (normalRun) Status(splash, Translate("Initializing") + " " + state.version + "...", false);

  DebugLog("Kormet full name: " + state.HostApp->FullName(), 0);
  state.folder = ExpandShortFolder(state.HostApp->Path());
  DebugLog("Kormet path: " + state.folder, 0);
  if (Ctx().platform.store) Ctx().platform.store->Set("directories", "LastKormetDIR", state.folder);

  if (normalRun) Status(splash, Translate("Linking") + " " + state.version + "...", false);
  state.HostParts = state.HostApp->PartPrograms();

  DebugLog("StartKormet: AppEvents Connect...", 5);
  if (normalRun)
    Status(splash,
           Translate("Connecting") + " " + state.version + " " + Translate("event tracking..."),
           false);
  events.AttachEvents();
}

void Kormet::KillKormet(bool normalRun, StartupStatus* splash) {
  DebugLog("KillKormet: Start:", 5);
  if (!HostWindowExists()) {
    DebugLog("KillKormet: End:", 5);
    return;
  }
  if (normalRun && splash) splash->ShowSplash();
  Status(splash, Translate("Shutting down") + " " + state.version + "...", true);

  // A host that has died meanwhile must not stop the shutdown: Kill9Kormet still makes sure.
  try {
    if (RegistryNumber("Kormet", "Operator_Mode", 0) == 1 && state.HostApp)
      state.HostApp->SetOperatorMode(false);
  } catch (const host::HostError& e) {
    DebugLog(std::string("KillKormet: ") + e.what(), 0);
  }
  DebugLog("KillKormet: Disconnect AppEvents...", 5);
  events.DetachEvents();
  DebugLog("Closing all Kormet programs...", 0);

  if (state.HostApp) {
    try {
      state.HostApp->PartPrograms()->CloseAll();
    } catch (const host::HostError& e) {
      DebugLog(std::string("KillKormet: CloseAll: ") + e.what(), 0);
    }
    Ctx().platform.clock->Wait(Ms(RegistryNumber("Timing", "CloseAllDelay", 1000)));
    RelObj(state.HostPart, "HostPart");
    RelObj(state.HostParts, "HostParts");
    DebugLog("KillKormet: App Quit...", 0);
    try {
      if (state.HostApp) state.HostApp->quit();
    } catch (const host::HostError& e) {
      DebugLog(std::string("KillKormet: quit: ") + e.what(), 0);
    }
    RelObj(state.HostApp, "HostApp");
    Kill9Kormet(splash);
  }

  Status(splash, Translate("Shutdown") + " " + state.version + ".", true);
  if (normalRun && splash) {
    DebugLog("KillKormet: Hiding SplashForm", 9);
    splash->HideSplash();
  }
  DebugLog("KillKormet: End:", 5);
}

void Kormet::Kill9Kormet(StartupStatus* splash) {
  const int quitWait = static_cast<int>(RegistryNumber("Timing", "KormetQuit", 2000));
  auto releaseAll = [this] {
    RelObj(state.HostCommands, "HostCommands");
    RelObj(state.HostProbes, "HostProbes");
    RelObj(state.HostParts, "HostParts");
    RelObj(state.HostPart, "HostPart");
  };

  Status(splash, Translate("Waiting for Kormet to shutdown..."), true);
  if (HostWindowExists()) WaitWhileHostWindow(quitWait);

  if (HostWindowExists()) {
    Status(splash, Translate("Kormet given 2nd chance to shutdown..."), true);
    releaseAll();
    if (state.HostApp) {
      DebugLog("Kill9Kormet: HostApp Not Nothing, Quitting...", 0);
      try {
        state.HostApp->quit();
      } catch (const host::HostError& e) {
        DebugLog(std::string("Kill9Kormet: quit: ") + e.what(), 0);
      }
    }
    RelObj(state.HostApp, "HostApp");
    WaitWhileHostWindow(quitWait);
  }

  if (HostWindowExists()) {
    Status(splash, Translate("Kormet is being forced to shutdown..."), true);
    if (auto window = Ctx().platform.windows->FindByClass(host::kKormetWindowClass))
      Ctx().platform.windows->Close(window->handle);
    WaitWhileHostWindow(quitWait);
    releaseAll();
  }

  if (HostWindowExists())
    DebugLog(Translate("Kormet will not shutdown, Please contact System Administrator") + ".", 0,
             true, kErrr);
}

void Kormet::PeriodicRestart(bool normalRun, StartupStatus* splash) {
  const long long limit = RegistryNumber("Kormet", "RESTART_NO", 10);
  if (state.runCount <= limit) return;
  DebugLog("RunKormetProg: Kormet has been run more than " + std::to_string(limit) +
               " times, restarting.",
           0);
  KillKormet(normalRun, splash);

  Clock& clock = *Ctx().platform.clock;
  // A host that never goes away must not hang the console: after a minute it is joined again.
  const auto giveUp = clock.Now() + std::chrono::seconds(60);
  while (HostWindowExists() && clock.Now() < giveUp) {
    if (RegistryNumber("Kormet", "AutoRestart", 1) != 1)
      DebugLog(state.version + " " + Translate("is still shutting down... Press OK to continue"), 0,
               true, kInfo);
    clock.WaitWhile([this] { return HostWindowExists(); }, Ms(1000), Ms(50));
  }
  if (HostWindowExists()) DebugLog("RunKormetProg: Kormet still running, joining it again.", 0);

  restartTimer.WaitRestartDelay();
  StartKormet(normalRun, false, splash);
  if (splash && splash->IsVisible()) splash->HideSplash();
  if (RegistryNumber("Kormet", "AutoRestart", 1) != 1)
    DebugLog(state.version + " " + Translate("was restarted, Press OK to continue"), 0, true,
             kInfo);
  state.runCount = 0;
  restartTimer.WaitRestartDelay();
}

}  // namespace zantrel
