#include <gtest/gtest.h>

#include "foundation/FileOps.h"
#include "foundation/SettingsCatalogue.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;

namespace {

std::string Expected(const std::string& answers, const TestPlatform& tp) {
  std::string text =
      *ReadAll(std::string(ZANTREL_FIXTURES) + "/foundation/default-zantrel-" + answers + ".ini");
  text = ReplaceAll(text, "!PRODUCT Version MAJOR.MINOR", "!Zantrel Version 2.7");
  return ReplaceAll(text, "FOLDER/", tp.Folder().string() + "/");
}

TEST(DefaultSettingsFile, AnswersNoNoNo) {
  TestPlatform tp(0);
  tp.op.Answers({"No", "No", "No"});
  const auto file = tp.File("zantrel.ini");
  CreateDefaultSettingsFile(file, "Zantrel", 2, 7);
  EXPECT_EQ(*ReadAll(file), Expected("NNN", tp));
  EXPECT_EQ(tp.op.Questions(),
            (std::vector<std::string>{"Are you ONLINE (On a CMM)?",
                                      "Is Kormet OFFLINE installed on this system?",
                                      "Will multi-bladed rotors be measured on this system?"}));
  std::vector<std::string> titles;
  for (const auto& s : tp.op.Log())
    if (s.kind == "question") titles.push_back(s.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"ONLINE?", "OFFLINE?", "Multi-bladed Rotor?"}));
  EXPECT_EQ(tp.op.Messages().back(),
            "First time run or INI file may have been deleted.  Default Initialization File "
            "created.  Check settings in " +
                file.string() + ".");
  EXPECT_EQ(tp.context.debugLevel, 9);
}

TEST(DefaultSettingsFile, AnswersYesNoYes) {
  TestPlatform tp(0);
  tp.op.Answers({"Yes", "No", "Yes"});
  const auto file = tp.File("zantrel.ini");
  CreateDefaultSettingsFile(file, "Zantrel", 2, 7);
  EXPECT_EQ(*ReadAll(file), Expected("YNY", tp));
  EXPECT_EQ(tp.op.Questions()[1],
            "Is this machine capable of analog scanning? (Answer YES if not sure)");
}

TEST(DefaultSettingsFile, OfflineAnswer) {
  TestPlatform tp(0);
  tp.op.Answers({"No", "Yes", "No"});
  CreateDefaultSettingsFile(tp.File("zantrel.ini"), "Zantrel", 1, 0);
  EXPECT_EQ(ReadIniKey(tp.File("zantrel.ini"), "Interface"), "OFFLINE");
  EXPECT_EQ(ReadIniKey(tp.File("zantrel.ini"), "Trim"), "");
}

TEST(DefaultSettingsFile, RegistryFoldersOnlyOnFirstInstallation) {
  TestPlatform tp(0);
  tp.op.Answers({"No", "No", "No"});
  CreateDefaultSettingsFile(tp.File("zantrel.ini"), "Zantrel", 1, 0);
  EXPECT_EQ(*tp.store.Get("directories", "blades"), tp.File("blades").string());
  EXPECT_EQ(*tp.store.Get("directories", "programs"), tp.File("kormet programs").string());
  EXPECT_EQ(*tp.store.Get("directories", "networkfixtures"), "");

  TestPlatform installed(0);
  installed.store.Set("directories", "camberixexe", "/opt/camberix/Camberix.exe");
  installed.store.Set("directories", "blades", "/net/blades");
  installed.op.Answers({"No", "No", "No"});
  CreateDefaultSettingsFile(installed.File("zantrel.ini"), "Zantrel", 1, 0);
  EXPECT_EQ(*installed.store.Get("directories", "blades"), "/net/blades");
  EXPECT_FALSE(installed.store.Get("directories", "fixtures"));
}

TEST(DefaultSettingsFile, StartupKeysReadBack) {
  TestPlatform tp(0);
  tp.op.Answers({"No", "No", "No"});
  const auto file = tp.File("zantrel.ini");
  CreateDefaultSettingsFile(file, "Zantrel", 1, 0);
  EXPECT_EQ(ReadIniKey(file, "SingleZone"), "1");
  EXPECT_EQ(ReadIniKey(file, "4ZoneQueueing"), "1");
  EXPECT_EQ(ReadIniKey(file, "FixtureIsVisible"), "0");
  EXPECT_EQ(ReadIniKey(file, "debuglevel"), "10");
  EXPECT_EQ(ReadIniKey(file, "Language"), "1");
  EXPECT_EQ(ReadIniKey(file, "SingleZoneLabel"), "");
}

TEST(DefaultSettingsFile, UnwritableFolderRaises) {
  TestPlatform tp(0);
  EXPECT_THROW(CreateDefaultSettingsFile(tp.File("no/such/zantrel.ini"), "Zantrel", 1, 0),
               FileError);
}

}  // namespace
