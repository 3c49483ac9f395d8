#pragma once
// Everything a logic test needs: test platform services, a temporary program folder and an
// installed context. Build one per test.
#include <filesystem>
#include <memory>
#include <string>

#include "foundation/Context.h"
#include "foundation/Lang.h"
#include "platform/MapDrives.h"
#include "platform/testing/FakeShell.h"
#include "platform/testing/MemoryUserStore.h"
#include "platform/testing/MemoryWindowRegistry.h"
#include "platform/testing/ScriptedOperator.h"
#include "platform/testing/TestClock.h"

namespace zantrel {

class PlainRichText;

class TestPlatform {
 public:
  // A fresh temporary program folder; debug level 10 so the log shows everything.
  explicit TestPlatform(int debugLevel = 10);
  ~TestPlatform();

  ScriptedOperator op;
  TestClock clock;
  FakeShell shell;
  MemoryWindowRegistry windows;
  MapDrives drives;
  MemoryUserStore store;
  Context context;

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path File(const std::string& name) const { return folder_ / name; }
  // Writes a text file (lines joined by CR LF, each ended by one) below the program folder.
  std::filesystem::path Write(const std::string& name, const std::string& lines);
  // The debug log's lines so far.
  std::vector<std::string> LogLines() const;
  bool LogHas(const std::string& part) const;
  // Loads Lang.ini from the program folder in the given language.
  void UseLanguage(int language);

 private:
  std::filesystem::path folder_;
  std::unique_ptr<LanguageTable> language_;
  std::unique_ptr<ScopedContext> scope_;
};

}  // namespace zantrel
