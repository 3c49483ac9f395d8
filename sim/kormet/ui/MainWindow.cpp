#include "sim/kormet/ui/MainWindow.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "platform/qt/QtText.h"
#include "sim/kormet/HostService.h"

namespace zantrel::kormetsim {

MainWindow::MainWindow(HostService& service) : service_(service) {
  setObjectName("frmKormet");
  setWindowTitle("Kormet");
  auto* layout = new QVBoxLayout(this);
  lblRoutine_ = new QLabel(this);
  lblRoutine_->setObjectName("lblRoutine");
  lblState_ = new QLabel(this);
  lblState_->setObjectName("lblState");
  lblState_->setWordWrap(true);
  cmdCancel_ = new QPushButton("Cancel", this);
  cmdCancel_->setObjectName("cmdCancel");
  layout->addWidget(lblRoutine_);
  layout->addWidget(lblState_);
  layout->addWidget(cmdCancel_);
  resize(420, 140);

  connect(cmdCancel_, &QPushButton::clicked, this, [this] { service_.Cancel(); });
  connect(&service_, &HostService::StateChanged, this, &MainWindow::Refresh);
  connect(&service_, &HostService::VisibleChanged, this,
          [this](bool visible) { setVisible(visible); });
  connect(&service_, &HostService::FrontRequested, this, [this] {
    show();
    raise();
    activateWindow();
  });
  Refresh();
}

void MainWindow::Refresh() {
  HostModel& model = service_.Model();
  std::string routine = "No routine open";
  if (int uid = model.Active())
    if (OpenRoutine* open = model.Find(uid)) routine = open->routine.file.string();
  lblRoutine_->setText(PathToQString(routine));
  lblState_->setText(ToQString(model.RunState()));
  cmdCancel_->setEnabled(model.Running());
  setWindowTitle(ToQString(model.Active() && model.Find(model.Active())
                               ? "Kormet - " + model.Find(model.Active())->routine.Name()
                               : std::string("Kormet")));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the window ends the host, as quit does.
  event->ignore();
  service_.Quit();
}

}  // namespace zantrel::kormetsim
