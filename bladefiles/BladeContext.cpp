#include "bladefiles/BladeContext.h"

#include <filesystem>
#include <system_error>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "platform/Drives.h"

namespace zantrel {

BladeContext::BladeContext(Zones& z) : zones(z) {
  const std::string program = Ctx().programFolder.string();
  settingsFile = JoinPath(program, "zantrel.ini");
  localBlades = JoinPath(program, "blades");
  configuredBlades = localBlades;
}

bool SafeFolderName(const std::string& name) {
  const std::string trimmed = Trim(name);
  if (trimmed.empty() || trimmed == "." || trimmed == "..") return false;
  if (trimmed.find("..") != std::string::npos) return false;
  if (trimmed.find('/') != std::string::npos || trimmed.find('\\') != std::string::npos)
    return false;
  // "C:x" would be read as a drive-relative path on Windows.
  return trimmed.find(':') == std::string::npos;
}

std::optional<std::string> BladeContext::PartFolder() const {
  const std::string& part = Zone().PartNo;
  if (!SafeFolderName(part)) {
    DebugLog(Translate("Part number") + " \"" + part + "\" " +
                 Translate("cannot be used: it names no folder inside the blades folder") + ".",
             0, true);
    return std::nullopt;
  }
  return JoinPath(localBlades, Trim(part));
}

std::optional<std::string> BladeContext::PartFile(const std::string& name) const {
  auto folder = PartFolder();
  if (!folder) return std::nullopt;
  if (!SafeFolderName(name)) {
    DebugLog(Translate("File name") + " \"" + name + "\" " +
                 Translate("cannot be used: it names no file inside the part folder") + ".",
             0, true);
    return std::nullopt;
  }
  return JoinPath(*folder, name);
}

bool BladeContext::ConfiguredOnNetwork() const {
  Drives* drives = Ctx().platform.drives;
  if (drives == nullptr || configuredBlades.empty()) return false;
  // A Windows-style path names its drive; a native one belongs to the drive whose mapped
  // folder holds it (the longest such folder wins).
  const std::string& path = configuredBlades;
  if (path.size() >= 2 && path[1] == ':') return drives->Type(path[0]) == DriveType::Remote;
  size_t best = 0;
  DriveType type = DriveType::None;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    DriveType t = drives->Type(letter);
    if (t == DriveType::None) continue;
    std::string root = drives->Map(std::string(1, letter) + ":\\");
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    bool inside = path == root || (path.compare(0, root.size(), root) == 0 &&
                                   (root == "/" || path[root.size()] == '/'));
    if (inside && root.size() >= best) {
      best = root.size();
      type = t;
    }
  }
  return type == DriveType::Remote;
}

bool BladeContext::ConfiguredReachable() const {
  std::error_code error;
  return std::filesystem::exists(NativePath(configuredBlades), error);
}

}  // namespace zantrel
