#include "console/Startup.h"

#include <filesystem>

#include "console/SplashView.h"
#include "console/Version.h"
#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/SettingsCatalogue.h"
#include "host/HostStartup.h"
#include "host/Kormet.h"
#include "platform/Clock.h"
#include "platform/UserStore.h"

namespace zantrel {

namespace fs = std::filesystem;

Startup::Startup(ConsoleState& state, std::string executable, char decimalSymbol)
    : state_(state), executable_(std::move(executable)), decimalSymbol_(decimalSymbol) {}

std::string Startup::Setting(const std::string& key) const {
  return ReadIniKey(state_.settingsFile, key);
}

void Startup::Status(SplashView* splash, const std::string& text) {
  if (state_.normalRun && splash) splash->Show(text);
  DebugLog(text, 0);
}

void Startup::Initialise(const std::string& commandLine, SplashView* splash, Kormet* kormet) {
  Context& ctx = Ctx();
  ctx.debugLevel = 0;  // until the settings file says otherwise
  state_.normalRun = true;

  const std::string folder = fs::path(executable_).parent_path().string();
  GetIniVal("directories", "zantrelexe", executable_);
  state_.programFolder = folder;
  ctx.programFolder = folder;
  state_.bladesFolder = JoinPath(folder, "blades");
  state_.fixturesFolder = JoinPath(folder, "fixtures");
  state_.programsFolder = JoinPath(folder, "kormet programs");

  state_.settingsFile = JoinPath(folder, "zantrel.ini");
  ctx.settingsFile = state_.settingsFile.string();
  ctx.decimalSymbol = decimalSymbol_;
  if (!FileExists(state_.settingsFile.string(), true)) {
    std::string product = "Zantrel";
    if (ctx.platform.store) {
      auto registered = ctx.platform.store->Get("Interface", "ProductName");
      if (registered && !Trim(*registered).empty()) product = *registered;
    }
    CreateDefaultSettingsFile(state_.settingsFile, product, kVersionMajor, kVersionMinor);
  }

  MakeOLD(JoinPath(folder, "debug.txt"));
  state_.debugLevel = static_cast<int>(NumberOr(Setting("debuglevel"), 0));
  ctx.debugLevel = state_.debugLevel;

  DebugLog(ctx.DecimalPoint() ? "Locale uses . as decimal" : "Locale uses other than US", 9);

  state_.language = static_cast<int>(NumberOr(Setting("Language"), 1));
  if (Trim(Setting("Language")).empty()) state_.language = 1;
  language_ = std::make_unique<LanguageTable>(folder);
  ctx.language = language_.get();
  language_->loadLanguage(state_.language);

  state_.productName = GetIniVal("Interface", "ProductName", "Zantrel");
  if (Trim(state_.productName).empty()) state_.productName = "Zantrel";
  ctx.appTitle = state_.productName;

  const auto now = ctx.platform.clock->Now();
  DebugLog(state_.productName + " Version " + kVersionText, 0);
  DebugLog("Date: " + FormatTime(now, "mm/dd/yy") + " Time: " + FormatTime(now, "hh:mm:ss"), 0);
  DebugLog("debuglevel " + std::to_string(state_.debugLevel), 0);
  DebugLog("frmMain_Initialize: Start: Command Line was: " + commandLine, 0);

  if (!commandLine.empty()) {
    Words words = Tokenize(std::string_view(commandLine));
    if (!words.empty()) state_.firstCommandWord = words[0];
    if (words.size() == 2 && words[0] == "/INI") {
      state_.settingsFile = NativePath(words[1]);
      ctx.settingsFile = state_.settingsFile.string();
    } else if (words.size() == 1 && words[0] == "/PQ") {
      state_.normalRun = false;
      DebugLog("Form_Initialize: Probe qualification commanded.", 3);
    } else {
      DebugLog("frmMain_Initialize: Command line ignored: " + commandLine, 9);
    }
  }

  state_.singleZone = NumberOr(Setting("SingleZone"), 0) != 0;

  state_.interfaceMode = UCase(Setting("Interface"));
  if (state_.interfaceMode.empty()) state_.interfaceMode = "CMM1";
  if (state_.TestMode()) DebugLog("Interface is in TEST mode", 10, true, kInfo);

  if (state_.normalRun && splash) {
    splash->ShowSplash();
    const std::string label = Translate("Initializing") + " " + state_.productName + "...";
    splash->Show(label);
    DebugLog(label, 0);
  }

  for (const char* name : {"fixture.txt", "Header.txt", "Blade.csv"})
    MakeOLD(JoinPath(folder, name));
  if (!state_.TestMode()) {
    for (const char* name : {"blade.rtf", "KORMET.RTF", "KORMET.TXT", "Blade.bft"})
      MakeOLD(JoinPath(folder, name));
  }

  if (kormet) {
    FindAndRestartHost(*kormet, state_.normalRun, splash);
    kormet->state.runCount = 0;
    StartHostOrFallBack(*kormet, state_.normalRun, splash);
    state_.hostVersion = kormet->state.version;
  } else if (!state_.TestMode()) {
    DebugLog("frmMain_Initialize: No host connection; running as in TEST mode.", 0, false, kWarn);
  }

  if (state_.TestMode()) state_.hostVersion = Translate("TEST");
  DebugLog("frmMain_Initialize: End", 7);
}

bool Startup::Load(SplashView* splash, Kormet* kormet) {
  DebugLog("frmMain_Form_Load: Start:", 7);
  if (kormet) {
    const ProbeWarning warning = CheckProbeWarning(*kormet);
    state_.probesDirectory = kormet->probesDirectory;
    if (warning == ProbeWarning::Exit) return false;
  }
  if (state_.normalRun && splash) {
    DebugLog("Unloaded frmSplash", 9);
    splash->CloseSplash();
  }
  DebugLog("frmMain_Form_Load: End:", 3);
  return true;
}

}  // namespace zantrel
