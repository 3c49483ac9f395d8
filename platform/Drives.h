#pragma once
// Drive letters, their kinds, and the machine facts the system names files after.
#include <string>
#include <vector>

namespace zantrel {

enum class DriveType { None, Fixed, Remote, Removable };

class Drives {
 public:
  virtual ~Drives() = default;

  // A Windows-style path ("C:\Lumistat\x.flv", "w:\doc") as a native path through the drive map.
  // A path without a drive letter is returned with "\" turned into the native separator.
  virtual std::string Map(const std::string& windowsPath) = 0;
  virtual DriveType Type(char letter) = 0;
  // The operating system's Windows folder, without trailing separator.
  virtual std::string WindowsDirectory() = 0;
  virtual std::string ComputerName() = 0;

  // "C:\" style roots of the drives of that kind, in letter order.
  std::vector<std::string> RootsOfType(DriveType type);
};

}  // namespace zantrel
