#pragma once
// The splash window as start-up drives it.
#include <string>

namespace zantrel {

class SplashView {
 public:
  virtual ~SplashView() = default;
  virtual void ShowSplash() = 0;
  // The product label: "Initializing Zantrel..." and the steps' status texts.
  virtual void SetStatus(const std::string& text) = 0;
  virtual void CloseSplash() = 0;
};

}  // namespace zantrel
