#include "sim/kormet/SimConfig.h"

#include "foundation/Format.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"

namespace zantrel::kormetsim {

namespace fs = std::filesystem;

namespace {

fs::path InHome(const fs::path& home, const std::string& value) {
  fs::path path = NativePath(value);
  return path.is_absolute() ? path : home / path;
}

}  // namespace

std::string SimConfig::Registry(const std::string& section, const std::string& key,
                                bool& found) const {
  auto it = registry.find(UCase(section + "/" + key));
  found = it != registry.end();
  return found ? it->second : std::string();
}

SimConfig LoadConfig(const fs::path& home, const fs::path& file, std::vector<std::string>& errors) {
  SimConfig config;
  config.home = home;
  config.probeFolder = home / "Probes";
  config.logFile = home / "kormetsim.log";
  config.tools = {ToolSpec{"SPHERE1", 25.4}};
  bool toolsGiven = false;

  const auto lines = ReadLines(file);
  if (!lines) return config;
  std::string section;
  for (const std::string& raw : *lines) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = UCase(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      errors.push_back(line);
      continue;
    }
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    const std::string k = UCase(key);
    auto number = [&](double& target) {
      if (auto v = ToDouble(value))
        target = *v;
      else
        errors.push_back(line);
    };
    auto whole = [&](auto& target) {
      if (auto v = ToLong(value))
        target = static_cast<std::remove_reference_t<decltype(target)>>(*v);
      else
        errors.push_back(line);
    };
    if (section == "HOST") {
      if (k == "VERSIONSTRING")
        config.versionString = value;
      else if (k == "FULLNAME")
        config.fullName = value;
      else if (k == "READYDELAY")
        whole(config.readyDelayMs);
      else if (k == "PROBEFOLDER")
        config.probeFolder = InHome(home, value);
      else if (k == "RESULTSPLACE")
        config.resultsPlace = LCase(value);
      else if (k == "QUALIFYRESULT")
        config.qualifyResult = value != "0";
      else if (k == "LOG")
        config.logFile = InHome(home, value);
      else
        errors.push_back(line);
    } else if (section == "REGISTRY") {
      config.registry[UCase(key)] = value;
    } else if (section == "TOOLS") {
      if (!toolsGiven) config.tools.clear();
      toolsGiven = true;
      ToolSpec tool{key, 25.4};
      if (!value.empty()) number(tool.diameter);
      config.tools.push_back(tool);
    } else if (section == "QUALIFICATION") {
      QualValues& q = config.qualification;
      if (k == "TOOLMOVED")
        q.toolMoved = value == "1";
      else if (k == "MODE")
        whole(q.mode);
      else if (k == "EXECUTEMODE")
        whole(q.executeMode);
      else if (k == "NUMHITS")
        whole(q.numHits);
      else if (k == "MOVESPEED")
        number(q.moveSpeed);
      else if (k == "TOUCHSPEED")
        number(q.touchspeed);
      else if (k == "PREHIT")
        number(q.preHit);
      else
        errors.push_back(line);
    } else if (section == "SCAN") {
      ScanSettings& s = config.scan;
      if (k == "SEED")
        whole(s.seed);
      else if (k == "OFFSETX")
        number(s.offsetX);
      else if (k == "OFFSETY")
        number(s.offsetY);
      else if (k == "ROTATION")
        number(s.rotation);
      else if (k == "NOISE")
        number(s.noise);
      else if (k == "POINTSPERHALF")
        whole(s.pointsPerHalf);
      else if (k == "MARKER")
        s.marker = value;
      else
        errors.push_back(line);
    } else if (section == "VARIABLES") {
      config.variables[key] = value;
    } else {
      errors.push_back(line);
    }
  }
  if (config.scan.pointsPerHalf < 11) config.scan.pointsPerHalf = 11;
  return config;
}

}  // namespace zantrel::kormetsim
