#pragma once
// A console host set-up over the fake host: the test platform, the console state the host side
// reads, and a splash that records its status texts.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/Kormet.h"
#include "tests/host/FakeHost.h"

namespace zantrel::testing {

class RecordingSplash : public StartupStatus {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  bool IsVisible() const override { return visible; }
  void ShowSplash() override { visible = true; }
  void HideSplash() override { visible = false; }
  bool Has(const std::string& text) const {
    for (const auto& t : texts)
      if (t == text) return true;
    return false;
  }
  std::vector<std::string> texts;
  bool visible = false;
};

struct FakeConsole {
  explicit FakeConsole(int debugLevel = 10, std::string mode = "CMM1")
      : tp(debugLevel), fake(tp), interfaceMode(std::move(mode)) {
    settingsFile = tp.Write("zantrel.ini", "RestartTime = 5\nWindowUp = ON");
    kormet = std::make_unique<Kormet>(fake.Binder(), interfaceMode, settingsFile);
  }
  // Registry values of the application.
  void Registry(const std::string& section, const std::string& key, const std::string& value) {
    tp.store.Set(section, key, value);
  }
  std::string Routine(const std::string& name) {
    return tp.Write("kormet programs/" + name, "! routine").string();
  }
  bool LogHas(const std::string& text) const { return tp.LogHas(text); }
  int LogCount(const std::string& text) const {
    int n = 0;
    for (const auto& line : tp.LogLines())
      if (line.find(text) != std::string::npos) ++n;
    return n;
  }
  int MessageCount(const std::string& part) const {
    int n = 0;
    for (const auto& m : tp.op.Messages())
      if (m.find(part) != std::string::npos) ++n;
    return n;
  }

  TestPlatform tp;
  FakeHost fake;
  std::string interfaceMode;
  std::filesystem::path settingsFile;
  std::unique_ptr<Kormet> kormet;
  RecordingSplash splash;
};

}  // namespace zantrel::testing
