#pragma once
// Top-level windows of every program on the desktop, by class and title.
#include <optional>
#include <string>
#include <vector>

namespace zantrel {

struct WindowInfo {
  long long handle = 0;  // 0: none
  long pid = 0;
  std::string className;
  std::string title;
};

class WindowRegistry {
 public:
  virtual ~WindowRegistry() = default;

  // Makes a window of this program known to others; returns its handle.
  virtual long long Publish(const std::string& className, const std::string& title) = 0;
  virtual void SetTitle(long long handle, const std::string& title) = 0;
  virtual void Withdraw(long long handle) = 0;

  // Live windows of all programs, in publication order.
  virtual std::vector<WindowInfo> All() = 0;
  // True once another program asked this program's window to close.
  virtual bool CloseRequested(long long handle) = 0;
  // Asks the owner of the window to close it.
  virtual bool Close(long long handle) = 0;
  // Makes the window the foreground window.
  virtual bool ToFront(long long handle) = 0;

  std::optional<WindowInfo> FindByClass(const std::string& className);
  // First window whose title contains the text, compared in upper case.
  std::optional<WindowInfo> FindByTitle(const std::string& text);
};

}  // namespace zantrel
