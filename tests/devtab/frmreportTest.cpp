#include "devtab/ui/frmreport.h"

#include <gtest/gtest.h>

#include <QProgressBar>

namespace zantrel {
namespace {

TEST(frmreport, ToolWindowWithCaptionAndBar) {
  frmreport form;
  EXPECT_EQ(form.objectName(), "frmreport");
  EXPECT_EQ(form.windowTitle(), "Devtab Creating Output File");
  QProgressBar* bar = form.findChild<QProgressBar*>("ProgressBar1");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form.minimumSize(), form.maximumSize());

  form.show();
  form.SetCaption("Processing Dimension LOC1");
  form.SetProgress(50);
  EXPECT_EQ(form.windowTitle(), "Processing Dimension LOC1");
  EXPECT_EQ(bar->value(), 50);
}

}  // namespace
}  // namespace zantrel
