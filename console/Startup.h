#pragma once
// The console's start-up: the initialisation phase that runs before the main window exists,
// and the load phase that shapes it.
#include <memory>
#include <string>

#include "console/ConsoleState.h"
#include "foundation/Lang.h"

namespace zantrel {

class Kormet;
class SplashView;

class Startup {
 public:
  // executable: full path of the running program. decimalSymbol: the locale's.
  Startup(ConsoleState& state, std::string executable, char decimalSymbol);

  // Steps up to the host connection. commandLine: the words after the program name, joined.
  // kormet: the host connection; none runs the host steps as in TEST mode.
  void Initialise(const std::string& commandLine, SplashView* splash, Kormet* kormet);
  // Load-phase steps that need no zones yet; closes the splash. False: the program must end
  // through its Exit command.
  bool Load(SplashView* splash, Kormet* kormet);

  LanguageTable& Language() { return *language_; }

 private:
  void Status(SplashView* splash, const std::string& text);
  std::string Setting(const std::string& key) const;

  ConsoleState& state_;
  std::string executable_;
  char decimalSymbol_;
  std::unique_ptr<LanguageTable> language_;
};

}  // namespace zantrel
