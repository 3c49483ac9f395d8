#pragma once
// What start-up settles for the rest of the run.
#include <filesystem>
#include <string>

namespace zantrel {

struct ConsoleState {
  std::string programFolder;
  std::string bladesFolder;  // local folders; the configured ones come from the directory check
  std::string fixturesFolder;
  std::string programsFolder;
  std::filesystem::path settingsFile;  // held by reference by the host connection
  bool normalRun = true;  // false with "/PQ": no splash, minimised, qualification at once
  bool singleZone = false;
  std::string interfaceMode = "CMM1";  // "CMM1", "OFFLINE" or "TEST"
  int debugLevel = 0;
  int language = 1;
  std::string productName = "Zantrel";
  std::string firstCommandWord;
  std::string hostVersion;
  std::string probesDirectory;
  std::string hostSettingsFile;  // KORAUTO.INI of older hosts

  bool TestMode() const { return interfaceMode == "TEST"; }
};

}  // namespace zantrel
