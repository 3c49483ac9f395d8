#pragma once
// A Qt window made known to other programs while it is shown: published with its class and
// title, closed when another program asks, raised when asked to come to the front.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <string>

namespace zantrel {

class FileWindowRegistry;

class PublishedWindow : public QObject {
  Q_OBJECT
 public:
  // Lives as a child of the window. An empty class name takes the window's class name
  // (property "windowClass", else the object name, else the widget's type).
  PublishedWindow(QWidget* window, FileWindowRegistry& registry, std::string className = "");
  ~PublishedWindow() override;

  long long Handle() const { return handle_; }
  // The PublishedWindow of a window, if it has one.
  static PublishedWindow* Of(QWidget* window);

  // How often requests of other programs are looked for.
  static constexpr int kPollMs = 200;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Publish();
  void Withdraw();
  void Poll();
  void ToFront();

  QPointer<QWidget> window_;
  FileWindowRegistry& registry_;
  std::string className_;
  long long handle_ = 0;
  QTimer poll_;
};

// Publishes every top-level window of the program as it is first shown.
class WindowPublisher : public QObject {
  Q_OBJECT
 public:
  explicit WindowPublisher(FileWindowRegistry& registry, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FileWindowRegistry& registry_;
};

}  // namespace zantrel
