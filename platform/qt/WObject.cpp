#include "platform/qt/WObject.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <string>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "platform/qt/QtText.h"

namespace zantrel {

namespace {

void Log(const std::string& text, int level) {
  if (HasContext()) DebugLog(text, level);
}

std::string NameOf(const QWidget* widget) {
  if (!widget->objectName().isEmpty()) return FromQString(widget->objectName());
  return widget->metaObject()->className();
}

// The controls placed on the window itself; controls inside a frame lie within the frame.
std::vector<QWidget*> Controls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QObject* child : window->children())
    if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow())
      controls.push_back(static_cast<QWidget*>(child));
  return controls;
}

// The largest edge of the visible controls, each logged; -1 when none is visible.
int FarthestEdge(QWidget* window, const std::string& procedure, const std::string& edgeWord,
                 const std::function<int(const QWidget*)>& edge) {
  int farthest = -1;
  for (QWidget* control : Controls(window)) {
    const bool visible = !control->isHidden();
    const int at = edge(control);
    Log(procedure + ": Control Name: " + NameOf(control) + " " + edgeWord + " cntrl is at " +
            std::to_string(at) + " " + edgeWord +
            " cntrl visible is: " + (visible ? "True" : "False"),
        10);
    if (visible) farthest = std::max(farthest, at);
  }
  return farthest;
}

// The program's forms: its top-level windows, not menus, tips and the like.
std::vector<QWidget*> Forms() {
  std::vector<QWidget*> forms;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = w->windowType();
    if (type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool ||
        type == Qt::SplashScreen)
      forms.push_back(w);
  }
  return forms;
}

}  // namespace

void center(QWidget* window) {
  Log("center: Start:", 10);
  if (!window) return;
  QScreen* screen = window->screen() ? window->screen() : QApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameGeometry().size();
  window->move(area.x() + (area.width() - size.width()) / 2,
               area.y() + (area.height() - size.height()) / 2);
}

void SetWidth(QWidget* window, int margin) {
  if (!window) return;
  const int right = FarthestEdge(window, "SetWidth", "Right", RightEdge);
  if (right >= 0) window->resize(right + margin, window->height());
}

void SetBottom(QWidget* window, int margin) {
  if (!window) return;
  const int bottom = FarthestEdge(window, "SetBottom", "Bottom", BottomEdge);
  if (bottom >= 0) window->resize(window->width(), bottom + margin);
}

int RightEdge(const QWidget* control) {
  return control->x() + control->width();
}
int BottomEdge(const QWidget* control) {
  return control->y() + control->height();
}

void PlaceRightOf(QWidget* control, const QWidget* other, int gap) {
  control->move(RightEdge(other) + gap, control->y());
}

void RowLayout(const std::vector<QWidget*>& members, int gap) {
  const QWidget* previous = nullptr;
  for (QWidget* member : members) {
    if (!member || member->isHidden()) continue;
    if (previous) PlaceRightOf(member, previous, gap);
    previous = member;
  }
}

int ExitVB() {
  std::vector<QPointer<QWidget>> forms;
  for (QWidget* w : Forms()) forms.emplace_back(w);
  Log("ExitVB: Forms.Count: " + std::to_string(forms.size()), 0);
  int open = 0;
  for (const auto& form : forms) {
    if (!form) continue;  // closed along with an earlier one
    Log("ExitVB: Unloading: " + NameOf(form), 0);
    if (!form->close()) ++open;
  }
  Log("ExitVB: Forms.Count: " + std::to_string(open), 0);
  return open;
}

}  // namespace zantrel
