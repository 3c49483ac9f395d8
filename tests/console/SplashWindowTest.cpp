#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "console/ui/frmSplash.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;

namespace {

std::string Logo(TestPlatform& tp, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  const auto file = tp.File("logo.bmp").string();
  image.save(QString::fromStdString(file));
  return file;
}

TEST(SplashWindow, ShowsProductVersionAndScaledLogo) {
  TestPlatform tp;
  frmSplash splash("Zantrel", Logo(tp, 100, 50), tp.File("help.chm").string());
  splash.ShowSplash();
  splash.Show("Initializing Zantrel...");
  EXPECT_EQ(splash.findChild<QLabel*>("lblProductName")->text(), "Zantrel");
  EXPECT_EQ(splash.findChild<QLabel*>("lblVersion")->text(), "Version 1.0.0");
  EXPECT_EQ(splash.findChild<QLabel*>("lblStatus")->text(), "Initializing Zantrel...");
  EXPECT_FALSE(splash.findChild<QLabel*>("imgLogo")->pixmap().isNull());
  EXPECT_TRUE(tp.LogHas("Logo is: " + tp.File("logo.bmp").string()));
  EXPECT_TRUE(tp.LogHas("Picture is Short"));
}

TEST(SplashWindow, MissingLogoShowsNoPicture) {
  TestPlatform tp;
  frmSplash splash("Zantrel", tp.File("none.bmp").string(), "");
  EXPECT_TRUE(splash.findChild<QLabel*>("imgLogo")->pixmap().isNull());
  EXPECT_FALSE(tp.LogHas("Picture is"));
}

TEST(SplashWindow, ClosedByClickOrKey) {
  TestPlatform tp;
  frmSplash splash("Zantrel", "", "");
  splash.ShowSplash();
  QTest::mouseClick(&splash, Qt::LeftButton);
  EXPECT_FALSE(splash.isVisible());
  EXPECT_TRUE(tp.LogHas("frmSplash: Unloaded."));
  splash.ShowSplash();
  QTest::keyClick(&splash, Qt::Key_Space);
  EXPECT_FALSE(splash.isVisible());
}

TEST(SplashWindow, HelpAndSystemInfoAsAboutWindow) {
  TestPlatform tp;
  frmSplash splash("Zantrel", "", tp.File("help.chm").string());
  auto* help = splash.findChild<QPushButton*>("cmdHelp");
  EXPECT_FALSE(help->isEnabled());
  splash.EnableButtons(true);
  help->click();
  ASSERT_EQ(tp.shell.calls.size(), 1u);
  EXPECT_EQ(tp.shell.calls[0].verb, "Open");
  EXPECT_EQ(tp.shell.calls[0].file, tp.File("help.chm").string());
  splash.findChild<QPushButton*>("cmdSysInfo")->click();
  EXPECT_EQ(tp.op.Messages(),
            (std::vector<std::string>{"System Information Is Unavailable At This Time"}));
}

}  // namespace

#include <QAction>

#include "console/ui/frmMain.h"
#include "foundation/Lang.h"
#include "foundation/TextFile.h"

namespace {

TEST(MainWindow, LanguageMenuTranslatesAndChecks) {
  TestPlatform tp;
  tp.Write("Lang.ini", "\tFrench\tFrançais");
  ConsoleState state;
  LanguageTable table(tp.Folder());
  tp.context.language = &table;
  table.loadLanguage(1);
  frmMain window(state, &table);
  window.CheckLanguage(7);
  EXPECT_TRUE(window.LanguageItem(1)->isChecked());
  window.LanguageItem(2)->trigger();
  EXPECT_TRUE(window.LanguageItem(2)->isChecked());
  EXPECT_FALSE(window.LanguageItem(1)->isChecked());
  EXPECT_EQ(window.LanguageItem(2)->text().toStdString(), "Français");
  EXPECT_TRUE(tp.LogHas("frmMain: Repaint: mnuFrench"));
  // Captions without a translation are appended once and stay as they are.
  EXPECT_EQ(window.LanguageItem(4)->text(), "German");
  window.Repaint();
  auto lines = *ReadLines(tp.File("Lang.ini"));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "NEW\tGerman\tGerman\tGerman\tGerman\tGerman"),
            1);
  tp.context.language = nullptr;
}

}  // namespace
