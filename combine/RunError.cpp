#include "combine/RunError.h"

#include <cerrno>
#include <new>

namespace zantrel {

RunError ErrorOf(const std::error_code& error) {
  switch (error.value()) {
    case ENOENT:
    case ENOTDIR:
      return {53, "File not found"};
    case EACCES:
    case EPERM:
    case EROFS:
      return {70, "Permission denied"};
    case ENOSPC:
      return {61, "Disk full"};
    case EIO:
      return {57, "Device I/O error"};
    default:
      return {75, "Path/File access error: " + error.message()};
  }
}

RunError ErrorOf(const std::exception& error) {
  if (auto* system = dynamic_cast<const std::system_error*>(&error)) return ErrorOf(system->code());
  if (dynamic_cast<const std::bad_alloc*>(&error)) return {7, "Out of memory"};
  return {5, error.what()};
}

std::string ErrorLine(const RunError& error) {
  return "Error Code: " + std::to_string(error.number) + " Error Description: " + error.description;
}

}  // namespace zantrel
