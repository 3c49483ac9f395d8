#include "platform/MapDrives.h"

#include <unistd.h>
#include <cctype>
#include <cstdlib>

namespace zantrel {

namespace {

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "localhost";
  return name;
}

char Upper(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

MapDrives::MapDrives() : computerName(HostName()) {
  SetDrive('C', "/", DriveType::Fixed);
  windowsDirectory = Map("C:\\Windows");
}

MapDrives::MapDrives(const std::string& map) : computerName(HostName()) {
  // Entries "L=/folder" or "L=/folder:remote", separated by ";".
  size_t start = 0;
  while (start <= map.size()) {
    size_t end = map.find(';', start);
    if (end == std::string::npos) end = map.size();
    std::string entry = map.substr(start, end - start);
    start = end + 1;
    if (entry.size() < 3 || entry[1] != '=' || !std::isalpha(static_cast<unsigned char>(entry[0])))
      continue;
    std::string folder = entry.substr(2);
    DriveType type = DriveType::Fixed;
    for (auto [suffix, kind] : {std::pair<std::string, DriveType>{":remote", DriveType::Remote},
                                {":removable", DriveType::Removable},
                                {":fixed", DriveType::Fixed}}) {
      if (folder.size() > suffix.size() &&
          folder.compare(folder.size() - suffix.size(), suffix.size(), suffix) == 0) {
        folder.resize(folder.size() - suffix.size());
        type = kind;
      }
    }
    SetDrive(entry[0], folder, type);
  }
  if (drives_.find('C') == drives_.end()) SetDrive('C', "/", DriveType::Fixed);
  windowsDirectory = Map("C:\\Windows");
}

MapDrives MapDrives::FromEnvironment() {
  const char* map = std::getenv("ZANTREL_DRIVES");
  return map && *map ? MapDrives(map) : MapDrives();
}

void MapDrives::SetDrive(char letter, const std::string& folder, DriveType type) {
  drives_[Upper(letter)] = Drive{folder, type};
}

std::string MapDrives::Map(const std::string& windowsPath) {
  std::string rest = windowsPath;
  std::string root;
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    auto it = drives_.find(Upper(rest[0]));
    // An unmapped letter stays a path nobody has, so it is never found by accident.
    root = it != drives_.end() ? it->second.folder
                               : "/nonexistent-drive-" + std::string(1, Upper(rest[0]));
    rest = rest.substr(2);
  }
  for (char& c : rest)
    if (c == '\\') c = '/';
  if (root.empty()) return rest;
  if (!root.empty() && root.back() == '/') root.pop_back();
  if (rest.empty()) return root.empty() ? "/" : root + "/";
  if (rest[0] != '/') rest = "/" + rest;
  return root + rest;
}

DriveType MapDrives::Type(char letter) {
  auto it = drives_.find(Upper(letter));
  return it == drives_.end() ? DriveType::None : it->second.type;
}

}  // namespace zantrel
