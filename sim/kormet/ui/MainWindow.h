#pragma once
// The host's small main window: the open routine, the run state and a Cancel button.
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace zantrel::kormetsim {

class HostService;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(HostService& service);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Refresh();

  HostService& service_;
  QLabel* lblRoutine_;
  QLabel* lblState_;
  QPushButton* cmdCancel_;
};

}  // namespace zantrel::kormetsim
