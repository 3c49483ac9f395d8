#pragma once
// Drive letters mapped to folders: "C=/srv/cmm/c;W=/mnt/share:remote". Without a map, C is "/".
#include <map>
#include <string>

#include "platform/Drives.h"

namespace zantrel {

class MapDrives : public Drives {
 public:
  MapDrives();  // C is "/" (fixed)
  explicit MapDrives(const std::string& map);
  // From ZANTREL_DRIVES, else the default.
  static MapDrives FromEnvironment();

  void SetDrive(char letter, const std::string& folder, DriveType type);
  std::string Map(const std::string& windowsPath) override;
  DriveType Type(char letter) override;
  std::string WindowsDirectory() override { return windowsDirectory; }
  std::string ComputerName() override { return computerName; }

  std::string windowsDirectory;  // default: the map of C:\Windows
  std::string computerName;      // default: the host name

 private:
  struct Drive {
    std::string folder;
    DriveType type;
  };
  std::map<char, Drive> drives_;
};

}  // namespace zantrel
