#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/qt/QSettingsUserStore.h"
#include "tests/platformqt/Helper.h"

namespace zantrel {
namespace {

using testing::ReadText;
using testing::TempFolder;

TEST(QSettingsUserStore, ValuesComeBackAsTheyWereStored) {
  TempFolder folder;
  QSettingsUserStore store("Zantrel", folder / "user" / "registry.ini");
  EXPECT_FALSE(store.Get("Startup", "ProgramDir"));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"ProgramDir", "/srv/cmm/zantrel"},
      {"Empty", ""},
      {"Spaced", "  two  blanks  "},
      {"Signs", "a=b; c, d \"quoted\" \\back"},
      {"At", "@Variant(not one)"},
      {"Accents", "R\xc3\xa9glage \xc3\xa0 faire"},
      {"With Blank Key", "1"},
  };
  for (const auto& [key, value] : cases) store.Set("Startup", key, value);
  // A fresh store reads the file again, as another program would.
  QSettingsUserStore again("Zantrel", store.File());
  for (const auto& [key, value] : cases) {
    const auto read = again.Get("Startup", key);
    ASSERT_TRUE(read) << key;
    EXPECT_EQ(*read, value) << key;
  }
  store.Set("Startup", "ProgramDir", "/other");
  EXPECT_EQ(again.Get("Startup", "ProgramDir").value_or(""), "/other");
  EXPECT_FALSE(again.Get("Other", "ProgramDir"));
}

TEST(QSettingsUserStore, ApplicationsHaveTheirOwnAreas) {
  TempFolder folder;
  QSettingsUserStore zantrel("Zantrel", folder / "registry.ini");
  QSettingsUserStore devtab("Devtab", folder / "registry.ini");
  zantrel.Set("Settings", "Key", "console");
  devtab.Set("Settings", "Key", "tool");
  EXPECT_EQ(zantrel.Get("Settings", "Key").value_or(""), "console");
  EXPECT_EQ(devtab.Get("Settings", "Key").value_or(""), "tool");
  EXPECT_EQ(zantrel.GetUserValue("Software\\Zantrel\\Settings", "Key").value_or(""), "console");
}

TEST(QSettingsUserStore, OtherApplicationsKeysByPathRegardlessOfCase) {
  TempFolder folder;
  QSettingsUserStore store("Zantrel", folder / "registry.ini");
  store.SetUserValue("Software\\Camberix\\Camberix\\Settings", "AbortFailed", "1", 4);
  EXPECT_EQ(
      store.GetUserValue("software\\CAMBERIX\\camberix\\settings", "abortfailed").value_or(""),
      "1");
  // Written again under another spelling: still one value.
  store.SetUserValue("SOFTWARE\\camberix\\Camberix\\Settings\\", "ABORTFAILED", "0", 4);
  EXPECT_EQ(
      store.GetUserValue("Software\\Camberix\\Camberix\\Settings", "AbortFailed").value_or(""),
      "0");
  const std::string file = ReadText(store.File());
  EXPECT_EQ(file.find("ABORTFAILED"), std::string::npos) << file;
}

TEST(QSettingsUserStore, ValueKinds) {
  struct Case {
    std::string value;
    int kind;
    std::optional<std::string> stored;
  };
  const std::vector<Case> cases = {
      {"Some text", 1, "Some text"},
      {"42", 4, "42"},
      {" -7 ", 4, "-7"},
      {"abc", 4, "0"},
      {"", 4, "0"},
      {"4294967295", 4, "4294967295"},
      {"99999999999", 4, std::nullopt},
      {"text", 3, std::nullopt},
      {"text", 0, std::nullopt},
  };
  TempFolder folder;
  QSettingsUserStore store("Zantrel", folder / "registry.ini");
  int n = 0;
  for (const auto& c : cases) {
    const std::string name = "Value" + std::to_string(n++);
    store.SetUserValue("Software\\Maker\\App", name, c.value, c.kind);
    EXPECT_EQ(store.GetUserValue("Software\\Maker\\App", name), c.stored)
        << "'" << c.value << "' kind " << c.kind;
  }
}

TEST(QSettingsUserStore, FileFromTheEnvironment) {
  const char* old = std::getenv("ZANTREL_USER_STORE");
  const std::string saved = old ? old : "";
  setenv("ZANTREL_USER_STORE", "/tmp/somewhere/store.ini", 1);
  EXPECT_EQ(QSettingsUserStore::DefaultFile(), "/tmp/somewhere/store.ini");
  unsetenv("ZANTREL_USER_STORE");
  EXPECT_EQ(QSettingsUserStore::DefaultFile().filename(), "registry.ini");
  if (old) setenv("ZANTREL_USER_STORE", saved.c_str(), 1);
}

}  // namespace
}  // namespace zantrel
