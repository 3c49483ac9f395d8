#include "platform/qt/PublishedWindow.h"

#include <QApplication>
#include <QEvent>

#include "platform/qt/FileWindowRegistry.h"
#include "platform/qt/QtText.h"

namespace zantrel {

namespace {

std::string ClassOf(QWidget* window) {
  const QVariant property = window->property("windowClass");
  if (property.isValid() && !property.toString().isEmpty()) return FromQString(property.toString());
  if (!window->objectName().isEmpty()) return FromQString(window->objectName());
  return window->metaObject()->className();
}

// The windows the desktop shows as windows of their own, not menus, tips and the like.
bool IsTopLevelWindow(QWidget* widget) {
  if (!widget->isWindow()) return false;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool ||
         type == Qt::SplashScreen;
}

}  // namespace

PublishedWindow::PublishedWindow(QWidget* window, FileWindowRegistry& registry,
                                 std::string className)
    : QObject(window),
      window_(window),
      registry_(registry),
      className_(className.empty() ? ClassOf(window) : std::move(className)) {
  setObjectName("PublishedWindow");
  window->installEventFilter(this);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &PublishedWindow::Poll);
  if (window->isVisible()) Publish();
}

PublishedWindow::~PublishedWindow() {
  Withdraw();
}

PublishedWindow* PublishedWindow::Of(QWidget* window) {
  return window->findChild<PublishedWindow*>("PublishedWindow", Qt::FindDirectChildrenOnly);
}

void PublishedWindow::Publish() {
  if (handle_ || !window_) return;
  handle_ = registry_.Publish(className_, FromQString(window_->windowTitle()));
  registry_.OnFront(handle_, [this] { ToFront(); });
  poll_.start();
}

void PublishedWindow::Withdraw() {
  if (!handle_) return;
  poll_.stop();
  registry_.Withdraw(handle_);
  handle_ = 0;
}

void PublishedWindow::Poll() {
  if (!handle_ || !window_) return;
  if (registry_.TakeFrontRequest(handle_)) ToFront();
  if (registry_.CloseRequested(handle_)) {
    registry_.ClearCloseRequest(handle_);
    window_->close();
  }
}

void PublishedWindow::ToFront() {
  if (!window_) return;
  if (window_->isMinimized()) window_->showNormal();
  window_->raise();
  window_->activateWindow();
}

bool PublishedWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::Show:
        Publish();
        break;
      case QEvent::Hide:
        Withdraw();
        break;
      case QEvent::WindowTitleChange:
        if (handle_) registry_.SetTitle(handle_, FromQString(window_->windowTitle()));
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

WindowPublisher::WindowPublisher(FileWindowRegistry& registry, QObject* parent)
    : QObject(parent), registry_(registry) {
  if (qApp) qApp->installEventFilter(this);
}

bool WindowPublisher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (IsTopLevelWindow(widget) && !PublishedWindow::Of(widget)) {
      // Published from here on; the window's own filter sees the hide and later shows.
      new PublishedWindow(widget, registry_);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zantrel
