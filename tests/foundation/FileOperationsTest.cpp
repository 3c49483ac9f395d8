#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "foundation/FileOps.h"
#include "foundation/StringM.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;
namespace fs = std::filesystem;

namespace {

TEST(BackupName, OnlyTheFileNamesDots) {
  EXPECT_EQ(BackupName("/x/data/blade.txt"), "/x/data/bladeOLD.txt");
  EXPECT_EQ(BackupName("/x/data/a.b.txt"), "/x/data/aOLD.bOLD.txt");
  EXPECT_EQ(BackupName("/x/v1.2/debug.txt"), "/x/v1.2/debugOLD.txt");
  EXPECT_EQ(BackupName("C:\\a.b\\c.txt"), "C:\\a.b\\cOLD.txt");
  EXPECT_EQ(BackupName("noext"), "noext");
}

TEST(MakeOLD, MovesToBackupAndOverwritesOlderBackup) {
  TestPlatform tp(0);  // the log itself is the file moved
  auto log = tp.Write("debug.txt", "run 1");
  MakeOLD(log.string());
  EXPECT_FALSE(fs::exists(log));
  EXPECT_EQ(*ReadAll(tp.File("debugOLD.txt")), "run 1\r\n");
  tp.Write("debug.txt", "run 2");
  MakeOLD(log.string());
  EXPECT_EQ(*ReadAll(tp.File("debugOLD.txt")), "run 2\r\n");
}

TEST(MakeOLD, ReadOnlyFileIsMovedToo) {
  TestPlatform tp;
  auto file = tp.Write("ro.txt", "x");
  fs::permissions(file, fs::perms::owner_read);
  MakeOLD(file.string());
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(fs::exists(tp.File("roOLD.txt")));
}

TEST(MakeOLD, MissingFileDoesNothing) {
  TestPlatform tp;
  MakeOLD(tp.File("none.txt").string());
  EXPECT_TRUE(tp.op.Log().empty());
  EXPECT_FALSE(fs::exists(tp.File("noneOLD.txt")));
}

TEST(MakeOLD, FailedCopyKeepsTheFile) {
  TestPlatform tp;
  auto file = tp.Write("keep.txt", "precious");
  fs::create_directory(tp.File("keepOLD.txt"));  // the backup name cannot be written
  MakeOLD(file.string());
  EXPECT_EQ(*ReadAll(file), "precious\r\n");
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  EXPECT_NE(tp.op.Messages()[0].find("An error occurred while attempting to copy file " +
                                     file.string() + " to file "),
            std::string::npos);
}

TEST(FCopy, CopiesOverwritesAndLogs) {
  TestPlatform tp;
  auto a = tp.Write("a.txt", "A");
  auto b = tp.Write("b.txt", "B");
  EXPECT_TRUE(FCopy(a.string(), " " + b.string() + " "));
  EXPECT_EQ(*ReadAll(b), "A\r\n");
  EXPECT_TRUE(tp.LogHas("FCopy Copied: " + a.string() + " to:" + b.string()));
}

TEST(FCopy, SameNameDoesNothing) {
  TestPlatform tp;
  auto a = tp.Write("a.txt", "A");
  const auto before = tp.LogLines().size();
  EXPECT_TRUE(FCopy(a.string(), a.string()));
  EXPECT_EQ(tp.LogLines().size(), before);
}

TEST(FCopy, FailureShowsTranslatedBox) {
  TestPlatform tp;
  EXPECT_FALSE(FCopy(tp.File("none").string(), tp.File("x").string()));
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  const std::string text = tp.op.Messages()[0];
  EXPECT_EQ(text.rfind("An error occurred while attempting to copy file " +
                           tp.File("none").string() + " to file " + tp.File("x").string() +
                           ". Please contact System Administrator.\r\nInformational Message",
                       0),
            0u);
}

TEST(FileExists, QuietAndLoud) {
  TestPlatform tp;
  tp.Write("here.txt", "");
  EXPECT_TRUE(FileExists(tp.File("here.txt").string(), false));
  EXPECT_TRUE(FileExists(tp.File("*.txt").string(), true));
  EXPECT_FALSE(FileExists(tp.File("*.nom").string(), true));
  EXPECT_TRUE(tp.op.Log().empty());
  EXPECT_FALSE(FileExists(tp.File("gone.txt").string(), false));
  EXPECT_EQ(tp.op.Messages(),
            (std::vector<std::string>{tp.File("gone.txt").string() + " not found."}));
  EXPECT_TRUE(tp.LogHas(tp.File("here.txt").string() + " found."));
}

TEST(NameOperations, Table) {
  EXPECT_EQ(NameWithoutExtension("a.b.txt"), "a.b");
  EXPECT_EQ(Extension("a.b.txt"), "txt");
  EXPECT_EQ(NameWithoutExtension("plain"), "plain");
  EXPECT_EQ(Extension("plain"), "");
  EXPECT_EQ(FileNamePart("C:\\data\\blades\\x.nom"), "x.nom");
  EXPECT_EQ(FileNamePart("/srv/x.nom"), "x.nom");
  EXPECT_EQ(Underscore("  a b  c "), "a_b__c");
  EXPECT_EQ(JoinList({"a", "b"}), "a, b");
}

TEST(ColCompare, RemovesMatchesFromSecond) {
  TestPlatform tp;
  std::vector<std::string> second{"xxABCxx", "other"};
  EXPECT_FALSE(ColCompare({"abc"}, second));
  EXPECT_EQ(second, (std::vector<std::string>{"other"}));
  EXPECT_TRUE(ColCompare({"OTH"}, second));
  EXPECT_TRUE(tp.LogHas("ColCompare: OTH was in both collections."));
}

TEST(OpenFileDlg, InitialPathAndCancel) {
  TestPlatform tp;
  tp.op.Answers({"file: /chosen.txt", "Cancel", "Cancel"});
  EXPECT_EQ(OpenFileDlg("Pick", "Text (*.txt)|*.txt", "/data/"), "/chosen.txt");
  EXPECT_EQ(OpenFileDlg("Pick", "Text (*.txt)|*.txt", "/data/a.txt", "before"), "/data/a.txt");
  EXPECT_EQ(OpenFileDlg("Pick", "Text (*.txt)|*.txt", "", "before"), "before");
  EXPECT_TRUE(tp.LogHas("OpenFileDlg: End: File chosen: before"));
}

TEST(ShellOpen, FallsBackToChoosingAProgram) {
  TestPlatform tp;
  tp.shell.openResult = ShellResult::NoAssociation;
  EXPECT_TRUE(ShellOpen("Open", "/r/x.cmb", "", "/r"));
  ASSERT_EQ(tp.shell.calls.size(), 2u);
  EXPECT_EQ(tp.shell.calls[1].what, "openwith");
  EXPECT_EQ(tp.shell.calls[1].file, "/r/x.cmb");
}

TEST(Windows, FindByTitleAndToFront) {
  TestPlatform tp;
  tp.windows.PublishFor(10, "VelderKormetWndClass", "Kormet");
  const auto devtab = tp.windows.PublishFor(11, "Qt", "Devtab report");
  EXPECT_EQ(FindWindowByTitle("devtab"), devtab);
  EXPECT_EQ(FindWindowByTitle("Combine"), 0);
  EXPECT_TRUE(WindowToFront("VelderKormetWndClass"));
  EXPECT_FALSE(WindowToFront("Nothing"));
}

TEST(RelObj, LogsBothCases) {
  TestPlatform tp;
  auto object = std::make_shared<int>(1);
  RelObj(object, "HostApp");
  RelObj(object, " ");
  EXPECT_FALSE(object);
  EXPECT_TRUE(tp.LogHas("RelObj: HostApp set to nothing"));
  EXPECT_TRUE(tp.LogHas("RelObj: UNNAMED was already nothing"));
}

TEST(Drives, MapAndKinds) {
  MapDrives drives("C=/srv/c;W=/mnt/share:remote;e=/media/e:removable");
  EXPECT_EQ(drives.Map("C:\\Lumistat\\x.flv"), "/srv/c/Lumistat/x.flv");
  EXPECT_EQ(drives.Map("w:\\doc"), "/mnt/share/doc");
  EXPECT_EQ(drives.Map("relative\\a.txt"), "relative/a.txt");
  EXPECT_EQ(drives.Type('W'), DriveType::Remote);
  EXPECT_EQ(drives.Type('E'), DriveType::Removable);
  EXPECT_EQ(drives.Type('Q'), DriveType::None);
  EXPECT_EQ(drives.RootsOfType(DriveType::Fixed), (std::vector<std::string>{"C:\\"}));
  EXPECT_EQ(MapDrives().Map("C:\\Lumistat\\"), "/Lumistat/");
}

TEST(ChangePath, ReportsFailureAndCarriesOn) {
  TestPlatform tp;
  const auto before = fs::current_path();
  ChangePath(tp.Folder().string());
  EXPECT_EQ(fs::current_path(), tp.Folder());
  ChangePath(tp.File("missing").string());
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  EXPECT_EQ(tp.op.Messages()[0].rfind("An error occurred while trying to change path to: ", 0), 0u);
  fs::current_path(before);
}

TEST(ExpandShortFolder, FindsLongName) {
  TestPlatform tp;
  fs::create_directory(tp.File("Program Files"));
  EXPECT_EQ(ExpandShortFolder("C:\\PROGRA~1\\"), "C:\\Program Files\\");
  EXPECT_EQ(ExpandShortFolder("C:\\Kormet\\"), "C:\\Kormet\\");
}

}  // namespace
