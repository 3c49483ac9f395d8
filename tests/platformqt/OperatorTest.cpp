#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/qt/QtOperator.h"
#include "platform/qt/QtText.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

// Acts on the modal dialog once it is up.
void WhenModal(std::function<void(QWidget*)> act) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [act, poll] {
    if (QWidget* modal = QApplication::activeModalWidget())
      act(modal);
    else
      QTimer::singleShot(10, *poll);
  };
  QTimer::singleShot(0, *poll);
}

TEST(QtOperatorFilter, WindowsFilterBecomesQtFilter) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Text (*.txt)|*.txt", "Text (*.txt)"},
      {"Text (*.txt)|*.txt|All (*.*)|*.*", "Text (*.txt);;All (*)"},
      {"Nominal files|*.nom;*.ua", "Nominal files (*.nom *.ua)"},
      {"Points (*.pts)|*.PTS", "Points (*.PTS)"},
      {"*.rpt", "*.rpt"},
      {"", ""},
  };
  for (const auto& [in, out] : cases)
    EXPECT_EQ(QtOperator::ConvertFilter(in).toStdString(), out) << in;
}

TEST(QtOperatorText, BytesAreShownAsUtf8OrWindows1252) {
  EXPECT_EQ(ToQString("R\xc3\xa9glage"), QString::fromUtf8("R\xc3\xa9glage"));
  EXPECT_EQ(ToQString("R\xe9glage \x80"), QString::fromUtf8("R\xc3\xa9glage \xe2\x82\xac"));
  EXPECT_EQ(FromQString(QString::fromUtf8("\xc3\xa9")), "\xc3\xa9");
}

TEST(QtOperatorBoxes, BoxShowsTextAndTitleAndReturnsTheButton) {
  TestPlatform tp;
  tp.context.appTitle = "Zantrel 1.0";
  QtOperator op;
  QString title, text;
  WhenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_TRUE(box);
    title = box->windowTitle();
    text = box->text();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(op.Box("Create a new settings file?", "", Buttons::YesNo), Answer::No);
  EXPECT_EQ(title, "Zantrel 1.0");
  EXPECT_EQ(text, "Create a new settings file?");

  WhenModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->reject(); });
  EXPECT_EQ(op.Box("Go on?", "Question", Buttons::OkCancel), Answer::Cancel);
  WhenModal(
      [](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
  EXPECT_TRUE(op.YesNo("Sure?", "Question"));
}

TEST(QtOperatorBoxes, InputReturnsTheTextOrNothing) {
  TestPlatform tp;
  QtOperator op;
  WhenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    dialog->setTextValue("S/N 1234");
    dialog->accept();
  });
  EXPECT_EQ(op.Input("Serial number", "Zone 1", "").value_or("?"), "S/N 1234");
  // An untouched default keeps its bytes, whatever they were.
  WhenModal([](QWidget* modal) { qobject_cast<QInputDialog*>(modal)->accept(); });
  EXPECT_EQ(op.Input("Lot", "Zone 1", "Lot \xe9").value_or("?"), "Lot \xe9");
  WhenModal([](QWidget* modal) { qobject_cast<QInputDialog*>(modal)->reject(); });
  EXPECT_FALSE(op.Input("Lot", "Zone 1", "x"));
}

TEST(QtOperatorBoxes, BusyPointerIsNotNested) {
  QtOperator op;
  op.SetBusy(true);
  op.SetBusy(true);
  ASSERT_TRUE(QApplication::overrideCursor());
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  op.SetBusy(false);
  EXPECT_FALSE(QApplication::overrideCursor());
  op.SetBusy(false);
  EXPECT_FALSE(QApplication::overrideCursor());
}

}  // namespace
}  // namespace zantrel
