#pragma once
// Windows held in memory; a test publishes "other programs'" windows itself.
#include <vector>

#include "platform/WindowRegistry.h"

namespace zantrel {

class MemoryWindowRegistry : public WindowRegistry {
 public:
  long long Publish(const std::string& className, const std::string& title) override;
  long long PublishFor(long pid, const std::string& className, const std::string& title);
  void SetTitle(long long handle, const std::string& title) override;
  void Withdraw(long long handle) override;
  std::vector<WindowInfo> All() override { return windows_; }
  bool CloseRequested(long long handle) override;
  bool Close(long long handle) override;
  bool ToFront(long long handle) override;

  std::vector<long long> closeRequests;
  std::vector<long long> fronted;
  bool closeWithdraws = true;  // a close request takes the window away at once

 private:
  std::vector<WindowInfo> windows_;
  long long next_ = 1;
};

}  // namespace zantrel
