#pragma once
// Where host start-up and shutdown progress goes: the splash window's status label.
#include <string>

namespace zantrel {

class StartupStatus {
 public:
  virtual ~StartupStatus() = default;
  // Sets the status label to the (already translated) text and repaints.
  virtual void Show(const std::string& text) = 0;
  virtual bool IsVisible() const = 0;
  virtual void ShowSplash() = 0;
  virtual void HideSplash() = 0;
};

}  // namespace zantrel
