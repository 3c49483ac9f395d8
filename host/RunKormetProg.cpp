// RunKormetProg: the one way a routine runs in the host.
#include <filesystem>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "host/Kormet.h"
#include "platform/Clock.h"

namespace zantrel {

namespace fs = std::filesystem;
using Ms = Clock::Ms;

namespace {

bool ReadOnly(const fs::path& file) {
  std::error_code ec;
  const auto perms = fs::status(file, ec).permissions();
  return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

bool Kormet::RunKormetProg(const std::string& path, bool normalRun, StartupStatus* splash,
                           const std::string& statName, const std::string& serialNumber) {
  DebugLog("RunKormetProg Start: Running: " + path, 0);
  bool result = false;
  Clock& clock = *Ctx().platform.clock;
  try {
    if (state.cancelled) {
      DebugLog(state.version + " " + Translate("program was terminated.  Restart measurement."), 0,
               true, kWarn);
      state.cancelled = false;
      return false;
    }

    ++state.runCount;
    DebugLog("RunKormetProg: Kormet has been run " + std::to_string(state.runCount) + " times.", 0);

    if (!FileExists(path, false)) return false;
    const fs::path file = NativePath(path);
    const bool readOnly = ReadOnly(file);
    DebugLog("RunKormetProg: Kormet program: " + path + " attribute: " + (readOnly ? "1" : "0"), 0);
    if (readOnly) {
      DebugLog(Translate("Error: Program") + " " + path + " " +
                   Translate("was read-only, state reset to Normal") + ".",
               0, true, kWarn);
      std::error_code ec;
      fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
      if (ec) DebugLog("RunKormetProg: " + ErrorText(ec), 0);
    }

    StartKormet(normalRun, false, splash);
    if (splash && splash->IsVisible()) splash->HideSplash();
    if (!state.HostApp)
      throw host::HostError(host::HostError::Kind::NotFound, "Kormet is not attached");

    PeriodicRestart(normalRun, splash);
    if (!state.HostApp)
      throw host::HostError(host::HostError::Kind::NotFound, "Kormet is not attached");

    DebugLog("RunKormetProg: Setting parts...", 5);
    state.HostParts = state.HostApp->PartPrograms();
    const bool othersOpen = state.HostParts->Count() > 0;
    if (othersOpen) {
      state.HostParts->CloseAll();
      clock.Wait(Ms(RegistryNumber("Timing", "CloseAllDelay", 1000)));
    }
    DebugLog("RunKormetProg: Opening: " + path, 0);
    state.HostPart = state.HostParts->Open(path, interfaceMode_);
    clock.Wait(Ms(1000));
    DebugLog(othersOpen ? "RunKormetProg: There was more than one program open..."
                        : "RunKormetProg: No programs were open...",
             0);

    // The part name is a convenience of the host's reports; failing to set it stops nothing.
    try {
      if (state.HostPart && RegistryNumber("Kormet", "UpdateKormetPartName", 1) == 1 &&
          !state.cancelled && !statName.empty()) {
        DebugLog("RunKormetProg: Setting Kormet part name to: " + statName, 0);
        state.HostPart->SetPartName(ReplaceAll(statName, "-", "_"));
        state.HostPart->SetSerialNumber(serialNumber);
        state.HostPart->RefreshPart();
        DebugLog("RunKormetProg: Set Kormet program " + path +
                     " stat name to: " + state.HostPart->PartName(),
                 7);
      }
    } catch (const host::HostError& e) {
      DebugLog(std::string("RunKormetProg: part name not set: ") + e.what(), 5);
    }

    if (RegistryNumber("Kormet", "Operator_Mode", 0) == 1) state.HostApp->SetOperatorMode(true);
    DebugLog("RunKormetProg: Setting Kormet visible...", 5);
    state.HostApp->SetVisible(true);

    DebugLog("RunKormetProg: BringWindowToTop", 9);
    if (RegistryNumber("Kormet", "WindowUp", 1) != 0) WindowToFront(host::kKormetWindowClass);

    DebugLog("RunKormetProg: EXECUTION", 0);
    if (!state.HostPart) {
      state.HostApp->SetVisible(false);
      DebugLog(Translate("There was a problem accessing the part program:") + " " + path, 0, true,
               kErrr);
      result = false;
    } else {
      if (RegistryNumber("Kormet", "ClearBreaks", 1) == 1) {
        DebugLog("Clearing all breakpoints", 0);
        auto commands = state.HostPart->Commands();
        if (commands) commands->ClearAllBreakpoints();
      }
      state.HostPart->EXECUTE();
      DebugLog("RunKormetProg: DONE EXECUTION", 0);
      result = true;
    }

    DebugLog("RunKormetProg: Finished running program: " + path, 0);
    state.HostApp->SetVisible(false);
    return result;
  } catch (const std::exception& e) {
    DebugLog(Translate("Error occurred during") + " " + state.version + " " + Translate("program") +
                 " " + path + " " + Translate("failed") + "." + ErrorText(e),
             0, true, kErrr);
    // A host that died leaves references to nothing; the next run joins or starts afresh.
    state.HostPart.reset();
    state.HostCommands.reset();
    return result;
  }
}

}  // namespace zantrel
