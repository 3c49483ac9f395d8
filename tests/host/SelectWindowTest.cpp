// The window frmSelect over its choice.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "host/ui/frmSelect.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

QualificationChoice TwoOfEach() {
  QualificationChoice c;
  c.caption = "Qualify: /probes/";
  c.probes = {"P1", "P2"};
  c.probe = "P1";
  c.artifacts = {"S1", "S2"};
  c.artifact = "S1";
  return c;
}

TEST(frmSelect, MeasureTakesTheChoice) {
  TestPlatform tp;
  frmSelect window;
  QualificationChoice choice = TwoOfEach();
  window.Load(choice);
  EXPECT_EQ(window.windowTitle().toStdString(), "Qualify: /probes/");
  auto* ok = window.findChild<QPushButton*>("cmdOK");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->text().toStdString(), "Measure");
  EXPECT_EQ(ok->toolTip().toStdString(), "Start Qualification");
  window.findChild<QComboBox*>("cmbProbe")->setCurrentIndex(1);
  window.findChild<QComboBox*>("cmbArtifact")->setCurrentIndex(1);
  window.findChild<QRadioButton*>("optNo")->setChecked(true);
  window.show();
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  window.Store(choice);
  EXPECT_EQ(choice.probe, "P2");
  EXPECT_EQ(choice.artifact, "S2");
  EXPECT_FALSE(choice.moved);
  EXPECT_FALSE(choice.Cancelled());
}

TEST(frmSelect, CancelAndEscapeClearBothChoices) {
  TestPlatform tp;
  for (bool escape : {false, true}) {
    frmSelect window;
    QualificationChoice choice = TwoOfEach();
    window.Load(choice);
    window.show();
    if (escape)
      QTest::keyClick(&window, Qt::Key_Escape);
    else
      QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.Store(choice);
    EXPECT_TRUE(choice.probe.empty());
    EXPECT_TRUE(choice.artifact.empty());
    EXPECT_TRUE(choice.Cancelled());
  }
}

TEST(frmSelect, SingleChoicesAndTheMovedFrameAreDisabled) {
  TestPlatform tp;
  frmSelect window;
  QualificationChoice choice = TwoOfEach();
  choice.probeEnabled = false;
  choice.artifactEnabled = false;
  choice.movedEnabled = false;
  choice.moved = false;
  window.Load(choice);
  EXPECT_FALSE(window.findChild<QComboBox*>("cmbProbe")->isEnabled());
  EXPECT_FALSE(window.findChild<QComboBox*>("cmbArtifact")->isEnabled());
  EXPECT_FALSE(window.findChild<QGroupBox*>("frmMoved")->isEnabled());
  EXPECT_FALSE(window.findChild<QRadioButton*>("optYes")->isEnabled());
  EXPECT_TRUE(window.findChild<QRadioButton*>("optNo")->isChecked());
}

}  // namespace
}  // namespace zantrel
