#pragma once
// The splash window as start-up drives it: the host steps report through its status label.
#include <string>

#include "host/StartupStatus.h"

namespace zantrel {

class SplashView : public StartupStatus {
 public:
  // Unloads the splash at the end of start-up.
  virtual void CloseSplash() = 0;
};

}  // namespace zantrel
