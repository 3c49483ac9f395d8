#include "platform/testing/MemoryWindowRegistry.h"

#include <unistd.h>
#include <algorithm>

namespace zantrel {

long long MemoryWindowRegistry::Publish(const std::string& className, const std::string& title) {
  return PublishFor(static_cast<long>(getpid()), className, title);
}

long long MemoryWindowRegistry::PublishFor(long pid, const std::string& className,
                                           const std::string& title) {
  const long long handle = next_++;
  windows_.push_back({handle, pid, className, title});
  return handle;
}

void MemoryWindowRegistry::SetTitle(long long handle, const std::string& title) {
  for (auto& w : windows_)
    if (w.handle == handle) w.title = title;
}

void MemoryWindowRegistry::Withdraw(long long handle) {
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [&](const WindowInfo& w) { return w.handle == handle; }),
                 windows_.end());
}

bool MemoryWindowRegistry::CloseRequested(long long handle) {
  return std::find(closeRequests.begin(), closeRequests.end(), handle) != closeRequests.end();
}

bool MemoryWindowRegistry::Close(long long handle) {
  const bool known = std::any_of(windows_.begin(), windows_.end(),
                                 [&](const WindowInfo& w) { return w.handle == handle; });
  if (!known) return false;
  closeRequests.push_back(handle);
  if (closeWithdraws) Withdraw(handle);
  return true;
}

bool MemoryWindowRegistry::ToFront(long long handle) {
  fronted.push_back(handle);
  return true;
}

}  // namespace zantrel
