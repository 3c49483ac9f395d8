#include "sim/kormet/ProbeStore.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "foundation/Format.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "sim/kormet/Routine.h"

namespace zantrel::kormetsim {

namespace fs = std::filesystem;

ProbeStore::ProbeStore(const SimConfig& config, std::function<void(const std::string&)> log)
    : config_(config), log_(std::move(log)) {
  Reload();
}

void ProbeStore::Reload() {
  std::vector<SimProbe> fresh;
  std::error_code ec;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(config_.probeFolder, ec))
    if (entry.is_regular_file() && EqualsNoCase(entry.path().extension().string(), ".prb"))
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    const std::string name = file.stem().string();
    if (SimProbe* old = Find(name); old && old->pending) {
      fresh.push_back(*old);
      continue;
    }
    SimProbe probe{name, file, {}, config_.qualification, "", false};
    if (SimProbe* old = Find(name)) probe.settings = old->settings;
    for (const std::string& line : ReadLines(file).value_or(std::vector<std::string>{})) {
      const auto words = SplitWords(line);
      if (words.size() >= 3 && EqualsNoCase(words[0], "TIP"))
        probe.tips.push_back(SimTip{words[1], ToDouble(words[2]).value_or(0), 0, false});
    }
    fresh.push_back(probe);
  }
  probes_ = std::move(fresh);
}

SimProbe* ProbeStore::Find(const std::string& name) {
  std::string wanted = Trim(name);
  if (EndsWithNoCase(wanted, ".prb")) wanted.resize(wanted.size() - 4);
  for (auto& probe : probes_)
    if (EqualsNoCase(probe.name, wanted)) return &probe;
  return nullptr;
}

const ToolSpec* ProbeStore::FindTool(const std::string& id) const {
  for (const auto& tool : config_.tools)
    if (EqualsNoCase(tool.id, Trim(id))) return &tool;
  return nullptr;
}

fs::path ProbeStore::ResultsFolder(const SimProbe& probe) const {
  if (config_.resultsPlace == "host") return config_.home;
  if (config_.resultsPlace == "probes") {
    bool found = false;
    const std::string folder = config_.Registry("Option", "LoadProbeUserSearchDirectory", found);
    return found && !folder.empty() ? NativePath(folder) : fs::path();
  }
  if (config_.resultsPlace == "none") return {};
  return probe.file.parent_path();
}

bool ProbeStore::Qualify(SimProbe& probe, std::string& reason) {
  const ToolSpec* tool = FindTool(probe.tool);
  const bool anySelected =
      std::any_of(probe.tips.begin(), probe.tips.end(), [](const SimTip& t) { return t.selected; });
  if (!tool)
    reason = "no qualification tool set";
  else if (!anySelected)
    reason = "no tip selected";
  else if (!config_.qualifyResult)
    reason = "qualification failed (configured)";
  const QualValues& q = probe.settings;
  log_("Qualify2 " + probe.name + " Tool=" + probe.tool +
       " ToolMoved=" + (q.toolMoved ? "1" : "0") + " Mode=" + std::to_string(q.mode) +
       " ExecuteMode=" + std::to_string(q.executeMode) + " NumHits=" + std::to_string(q.numHits) +
       " MoveSpeed=" + FormatFixed(q.moveSpeed, 3) + " Touchspeed=" + FormatFixed(q.touchspeed, 3) +
       " PreHit=" + FormatFixed(q.preHit, 3) + (reason.empty() ? " passed" : " failed: " + reason));
  if (!reason.empty()) return false;

  // Measured diameters a little off the stored ones, the same on every run of the host.
  std::mt19937 random(config_.scan.seed + 7919 * ++qualifications_);
  std::normal_distribution<double> scatter(0.0, 0.0005);
  std::vector<std::string> lines{
      "Probe qualification results",
      "Probe: " + probe.name,
      "Probe file: " + probe.file.string(),
      "Tool: " + tool->id + "   Diameter: " + FormatFixed(tool->diameter, 4) +
          "   Moved: " + (q.toolMoved ? "YES" : "NO"),
      "NumHits: " + std::to_string(q.numHits) + "   MoveSpeed: " + FormatFixed(q.moveSpeed, 3) +
          "   Touchspeed: " + FormatFixed(q.touchspeed, 3) +
          "   PreHit: " + FormatFixed(q.preHit, 3),
      "Date: " + FormatTime(std::chrono::system_clock::now(), "mm/dd/yy hh:mm:ss"),
      ""};
  for (SimTip& tip : probe.tips) {
    if (!tip.selected) continue;
    tip.qualified = tip.diameter + scatter(random);
    lines.push_back("Tip " + tip.id + "   Diameter " + FormatFixed(tip.qualified, 5) +
                    "   StdDev " + FormatFixed(std::abs(scatter(random)), 5));
  }
  probe.pending = true;
  const fs::path folder = ResultsFolder(probe);
  if (!folder.empty()) {
    try {
      WriteLines(folder / (probe.name + ".Results"), lines);
      log_("Results " + (folder / (probe.name + ".Results")).string());
    } catch (const std::exception& e) {
      log_(std::string("Results not written: ") + e.what());
    }
  }
  return true;
}

void ProbeStore::SaveChanges(SimProbe& probe) {
  log_("SaveChanges " + probe.name);
  if (!probe.pending) return;
  std::vector<std::string> lines{"! Probe " + probe.name + ", qualified " +
                                 FormatTime(std::chrono::system_clock::now(), "mm/dd/yy hh:mm:ss")};
  for (SimTip& tip : probe.tips) {
    if (tip.selected && tip.qualified > 0) tip.diameter = tip.qualified;
    tip.qualified = 0;
    lines.push_back("TIP " + tip.id + " " + FormatFixed(tip.diameter, 5));
  }
  probe.pending = false;
  try {
    WriteLines(probe.file, lines);
  } catch (const std::exception& e) {
    log_(std::string("Probe file not written: ") + e.what());
  }
}

void ProbeStore::CancelChanges(SimProbe& probe) {
  log_("CancelChanges " + probe.name);
  for (SimTip& tip : probe.tips) tip.qualified = 0;
  probe.pending = false;
  probe.settings = config_.qualification;
}

}  // namespace zantrel::kormetsim
