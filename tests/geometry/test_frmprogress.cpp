#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include "GeometryTest.h"
#include "geometry/ReadPts.h"
#include "geometry/ui/frmProgress.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "geometry_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

TEST(frmProgress, StartsAsProcessingAndFollowsTheReader) {
  App();
  TestPlatform tp;
  frmProgress window;
  EXPECT_EQ(window.windowTitle(), "Processing...");
  auto* label = window.findChild<QLabel*>("Label1");
  auto* bar = window.findChild<QProgressBar*>("ProgressBar1");
  ASSERT_TRUE(label && bar);
  EXPECT_EQ(label->text(), "Processing Data File...");
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);

  std::string report = "POINTDATA\n";
  for (int n = 1; n <= 11; ++n) report += "P" + std::to_string(n) + " 1.0 2.0 3.0 0 0 1 0\n";
  const auto path = tp.Write("blade.rtf", report);
  test::PlainText plain;
  ASSERT_TRUE(readData(plain, path.string(), 2, window));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Processing measured data...");
  EXPECT_EQ(label->text(), "Processing measured data...");
  EXPECT_EQ(bar->value(), 25);  // one block of two expected: a quarter, half of the bar

  EXPECT_FALSE(readData(plain, tp.File("none.rtf").string(), 2, window));
  EXPECT_FALSE(window.isVisible());
  window.SetValue(150);
  EXPECT_EQ(bar->value(), 100);
}

}  // namespace
}  // namespace zantrel
