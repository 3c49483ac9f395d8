#pragma once
// The console's connection to the measurement host: start or join, shut down, the periodic
// restart, routine runs and the active routine's commands. One object for the whole run,
// created by main and handed to the windows that need the host.
#include <filesystem>
#include <string>

#include "host/HostEvents.h"
#include "host/HostState.h"
#include "host/RestartTimer.h"
#include "host/StartupStatus.h"

namespace zantrel {

class Kormet {
 public:
  // interfaceMode and settingsFile belong to the console's state; a failed start sets the
  // interface mode to "TEST".
  Kormet(HostBinder bind, std::string& interfaceMode, const std::filesystem::path& settingsFile);

  HostState state;
  HostEvents events;
  RestartTimer restartTimer;
  std::string probesDirectory;  // the host's probe search folder (start-up load phase)

  std::string& InterfaceMode() { return interfaceMode_; }
  bool TestMode() const { return interfaceMode_ == "TEST"; }
  const std::filesystem::path& SettingsFile() const { return settingsFile_; }

  // Starts or joins the host; on failure the interface mode becomes "TEST".
  void StartKormet(bool normalRun, bool keepVisible, StartupStatus* splash);
  void KillKormet(bool normalRun, StartupStatus* splash);
  // Makes sure no host window remains.
  void Kill9Kormet(StartupStatus* splash);
  // Restarts the host when the run counter has passed RESTART_NO.
  void PeriodicRestart(bool normalRun, StartupStatus* splash);

  // Runs one routine to its end. serialNumber is the current zone's serial-number text.
  bool RunKormetProg(const std::string& path, bool normalRun, StartupStatus* splash,
                     const std::string& statName = "", const std::string& serialNumber = "");

  bool AttachActiveProgram();
  void DetachProgram(bool closeAll);
  bool FindVar(const std::string& name);

  bool HostWindowExists() const;
  // Binds the host application (GetObject).
  std::shared_ptr<host::Application> Bind();

 private:
  bool AttachActive();
  void Status(StartupStatus* splash, const std::string& text, bool onlyVisible) const;
  void WaitWhileHostWindow(int milliseconds);

  HostBinder bind_;
  std::string& interfaceMode_;
  const std::filesystem::path& settingsFile_;
};

// Writes "AutomationStartupOptions.txt" into the folder recorded as LastKormetDIR.
void AutomationStartupOptions(bool firstSwitch, bool secondSwitch);

// A registry value of the application as a number; empty or not a number gives the default.
long long RegistryNumber(const std::string& section, const std::string& key, long long fallback);

}  // namespace zantrel
