#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "platform/qt/WObject.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

QWidget* Control(QWidget* parent, const char* name, int x, int y, int w, int h) {
  auto* control = new QPushButton(parent);
  control->setObjectName(name);
  control->setGeometry(x, y, w, h);
  return control;
}

std::vector<std::string> LinesWith(const TestPlatform& tp, const std::string& part) {
  std::vector<std::string> lines;
  for (const auto& line : tp.LogLines())
    if (line.find(part) != std::string::npos) lines.push_back(line);
  return lines;
}

TEST(WindowSizing, SetWidthAndSetBottomFollowTheVisibleControls) {
  TestPlatform tp;
  QWidget window;
  window.resize(600, 500);
  Control(&window, "cmdGo", 10, 20, 100, 30);               // right 110, bottom 50
  Control(&window, "cmdExit", 200, 300, 80, 40);            // right 280, bottom 340
  Control(&window, "cmdHidden", 400, 420, 50, 50)->hide();  // right 450, bottom 470
  QWidget frame(&window);
  frame.setObjectName("framOptions");
  frame.setGeometry(5, 100, 150, 60);              // right 155, bottom 160
  Control(&frame, "chkInner", 100, 40, 500, 500);  // inside the frame: not counted

  SetWidth(&window, 12);
  EXPECT_EQ(window.width(), 292);
  EXPECT_EQ(window.height(), 500);
  SetBottom(&window, 8);
  EXPECT_EQ(window.height(), 348);
  EXPECT_EQ(window.width(), 292);

  const auto widthLines = LinesWith(tp, "SetWidth: Control Name:");
  ASSERT_EQ(widthLines.size(), 4u);
  EXPECT_TRUE(
      tp.LogHas("SetWidth: Control Name: cmdExit Right cntrl is at 280 Right cntrl "
                "visible is: True"));
  EXPECT_TRUE(
      tp.LogHas("SetWidth: Control Name: cmdHidden Right cntrl is at 450 Right cntrl "
                "visible is: False"));
  EXPECT_TRUE(
      tp.LogHas("SetBottom: Control Name: framOptions Bottom cntrl is at 160 Bottom "
                "cntrl visible is: True"));
  EXPECT_EQ(LinesWith(tp, "SetBottom: Control Name:").size(), 4u);
}

TEST(WindowSizing, AWindowWithoutVisibleControlsKeepsItsSize) {
  TestPlatform tp;
  QWidget window;
  window.resize(300, 200);
  Control(&window, "cmdHidden", 10, 10, 500, 500)->hide();
  SetWidth(&window, 10);
  SetBottom(&window, 10);
  EXPECT_EQ(window.size(), QSize(300, 200));
}

TEST(WindowSizing, CenterPutsTheWindowInTheMiddleOfItsScreen) {
  TestPlatform tp;
  QWidget window;
  window.resize(200, 100);
  center(&window);
  const QRect area = window.screen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
  EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
  EXPECT_TRUE(tp.LogHas("center: Start:"));
}

TEST(RowLayout, VisibleMembersFollowTheFirstWithTheGap) {
  struct Case {
    std::vector<bool> visible;
    std::vector<int> lefts;  // expected, for the visible members in order
  };
  const std::vector<Case> cases = {
      {{true, true, true}, {30, 95, 160}},
      {{true, false, true}, {30, 95}},
      {{false, true, true}, {100, 165}},  // the first visible one keeps its place
      {{false, false, false}, {}},
  };
  for (const auto& c : cases) {
    QWidget window;
    std::vector<QWidget*> members;
    for (size_t i = 0; i < c.visible.size(); ++i) {
      members.push_back(Control(&window, "optRow", 30 + int(i) * 70, 10 + int(i), 60, 20));
      if (!c.visible[i]) members.back()->hide();
    }
    members.insert(members.begin() + 1, nullptr);  // a gap in the control array
    RowLayout(members, 5);
    std::vector<int> lefts;
    for (QWidget* m : members)
      if (m && !m->isHidden()) lefts.push_back(m->x());
    EXPECT_EQ(lefts, c.lefts);
    for (size_t i = 0; i < members.size(); ++i)
      if (members[i]) {
        EXPECT_EQ(members[i]->y(), 10 + int(i == 0 ? 0 : i - 1));  // rows kept
      }
  }
}

TEST(RowLayout, EdgesAndPlacement) {
  QWidget window;
  QWidget* a = Control(&window, "a", 10, 20, 30, 40);
  QWidget* b = Control(&window, "b", 0, 7, 5, 5);
  EXPECT_EQ(RightEdge(a), 40);
  EXPECT_EQ(BottomEdge(a), 60);
  PlaceRightOf(b, a, 3);
  EXPECT_EQ(b->pos(), QPoint(43, 7));
}

TEST(ExitVB, ClosesEveryWindowAndLogsEach) {
  class Refusing : public QWidget {
   protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
  };
  TestPlatform tp;
  auto* main = new QWidget;
  main->setObjectName("frmMain");
  main->setAttribute(Qt::WA_DeleteOnClose);
  main->show();
  QPointer<QWidget> watchMain(main);
  QWidget options;  // loaded but hidden
  options.setObjectName("frmInspOpt");
  Refusing stubborn;
  stubborn.setObjectName("frmBusy");
  stubborn.show();

  EXPECT_EQ(ExitVB(), 1);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watchMain.isNull());
  EXPECT_FALSE(options.isVisible());
  EXPECT_TRUE(stubborn.isVisible());

  const auto lines = LinesWith(tp, "ExitVB:");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_NE(lines.front().find("ExitVB: Forms.Count: 3"), std::string::npos);
  EXPECT_NE(lines.back().find("ExitVB: Forms.Count: 1"), std::string::npos);
  for (const char* name : {"frmMain", "frmInspOpt", "frmBusy"})
    EXPECT_EQ(LinesWith(tp, std::string("ExitVB: Unloading: ") + name).size(), 1u) << name;
}

}  // namespace
}  // namespace zantrel
