#pragma once
// The one logging context of a program run: where the log goes, how much of it, who sees the
// boxes, and the language and number conventions every foundation operation follows.
#include <filesystem>
#include <string>

#include "platform/Platform.h"

namespace zantrel {

class LanguageTable;

enum class Variant { Console, Devtab };

struct Context {
  Platform platform;
  std::filesystem::path programFolder;  // folder of the running executable
  std::string settingsFile;             // zantrel.ini, or the file named by "/INI"; empty: none
  int debugLevel = 0;
  Variant variant = Variant::Console;
  char decimalSymbol = '.';           // the locale's decimal symbol
  std::string appTitle = "Zantrel";   // title of message boxes
  LanguageTable* language = nullptr;  // none: texts stay English

  // Open-failure box of the log: shown once, again only after a write succeeded.
  bool logFailureShown = false;

  // The settings file in force: the one start-up chose, else zantrel.ini in the program folder.
  std::string SettingsFile() const {
    return settingsFile.empty() ? (programFolder / "zantrel.ini").string() : settingsFile;
  }

  // The decimal-point flag of the word splitter.
  bool DecimalPoint() const { return decimalSymbol == '.'; }
};

// The installed context. Aborts with a clear message when none is installed.
Context& Ctx();
bool HasContext();

// Installs a context for its lifetime and restores the previous one after.
class ScopedContext {
 public:
  explicit ScopedContext(Context& context);
  ~ScopedContext();
  ScopedContext(const ScopedContext&) = delete;
  ScopedContext& operator=(const ScopedContext&) = delete;

 private:
  Context* previous_;
};

}  // namespace zantrel
