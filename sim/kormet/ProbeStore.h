#pragma once
// Probes of the simulated host: one probe file per probe in the probe folder ("<name>.prb",
// lines "TIP <id> <diameter>"), the qualification tools (spheres) of the configuration, the
// qualification settings of each probe, qualification and its results file.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sim/kormet/SimConfig.h"

namespace zantrel::kormetsim {

struct SimTip {
  std::string id;
  double diameter = 0;
  double qualified = 0;  // the new diameter while a qualification is not yet saved
  bool selected = false;
};

struct SimProbe {
  std::string name;  // file name without extension
  std::filesystem::path file;
  std::vector<SimTip> tips;
  QualValues settings;
  std::string tool;      // set by SetTool
  bool pending = false;  // qualified, not yet saved or cancelled
};

class ProbeStore {
 public:
  // log receives one line per action worth recording.
  ProbeStore(const SimConfig& config, std::function<void(const std::string&)> log);

  // Reads the probe folder again; probes with unsaved qualifications keep their state.
  void Reload();
  std::vector<SimProbe>& Probes() { return probes_; }
  // By name without regard to case, with or without the ".prb" extension.
  SimProbe* Find(const std::string& name);
  const std::vector<ToolSpec>& Tools() const { return config_.tools; }
  const ToolSpec* FindTool(const std::string& id) const;

  // Where "<probe>.Results" goes: the probe folder, the host folder or the probes directory
  // (the registry's Option/LoadProbeUserSearchDirectory), as configured; empty: nowhere.
  std::filesystem::path ResultsFolder(const SimProbe& probe) const;
  // False when there is no tool, no selected tip, or the configuration says so.
  bool Qualify(SimProbe& probe, std::string& reason);
  // Writes the new tip diameters into the probe file.
  void SaveChanges(SimProbe& probe);
  void CancelChanges(SimProbe& probe);

 private:
  const SimConfig& config_;
  std::function<void(const std::string&)> log_;
  std::vector<SimProbe> probes_;
  unsigned qualifications_ = 0;
};

}  // namespace zantrel::kormetsim
