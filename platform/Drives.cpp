#include "platform/Drives.h"

namespace zantrel {

std::vector<std::string> Drives::RootsOfType(DriveType type) {
  std::vector<std::string> roots;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (Type(letter) == type) roots.push_back(std::string(1, letter) + ":\\");
  return roots;
}

}  // namespace zantrel
