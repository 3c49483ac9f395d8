#pragma once
// The simulated host's configuration: "<host folder>/kormetsim.ini" (see README.md).
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zantrel::kormetsim {

struct ToolSpec {
  std::string id;
  double diameter = 25.4;
};

struct QualValues {
  bool toolMoved = false;
  long mode = 0;
  long executeMode = 1;
  long numHits = 5;
  double moveSpeed = 50;
  double touchspeed = 2;
  double preHit = 2;
};

struct ScanSettings {
  unsigned seed = 1;
  double offsetX = 0.01;    // mm
  double offsetY = -0.005;  // mm
  double rotation = 0.02;   // degrees, about the section's centre
  double noise = 0.002;     // mm, standard deviation along the normal
  int pointsPerHalf = 30;   // points of each half section (at least 11)
  std::string marker = "POINTDATA";
};

struct SimConfig {
  std::filesystem::path home;  // the host folder
  std::string versionString = "2023.1";
  std::string fullName;   // empty: the executable
  long readyDelayMs = 0;  // WaitUntilReady answers true only after this
  std::filesystem::path probeFolder;
  std::string resultsPlace = "probe";  // probe, host, probes or none
  bool qualifyResult = true;
  std::filesystem::path logFile;
  // "Section/Key" in upper case -> value
  std::map<std::string, std::string> registry;
  std::vector<ToolSpec> tools;
  QualValues qualification;
  ScanSettings scan;
  // ${NAME} in routine arguments
  std::map<std::string, std::string> variables;

  std::string Registry(const std::string& section, const std::string& key, bool& found) const;
};

// Reads the file when it exists; defaults for what it does not say. A bad value is reported in
// error (the line) and the default kept.
SimConfig LoadConfig(const std::filesystem::path& home, const std::filesystem::path& file,
                     std::vector<std::string>& errors);

}  // namespace zantrel::kormetsim
