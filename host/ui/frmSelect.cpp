#include "host/ui/frmSelect.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "foundation/Lang.h"

namespace zantrel {

namespace {

QString Tr(const char* text) {
  return QString::fromStdString(Translate(text));
}
QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

frmSelect::frmSelect(QWidget* parent) : QDialog(parent) {
  setObjectName("frmSelect");
  setWindowTitle(Tr("Qualification Options"));
  setModal(true);

  lblProbe_ = Named(new QLabel(Tr("Probe"), this), "lblProbe");
  cmbProbe_ = Named(new QComboBox(this), "cmbProbe");
  lblArtifact_ = Named(new QLabel(Tr("Qualification sphere"), this), "lblArtifact");
  cmbArtifact_ = Named(new QComboBox(this), "cmbArtifact");

  frmMoved_ = Named(new QGroupBox(Tr("Has the qualification sphere moved?"), this), "frmMoved");
  optYes_ = Named(new QRadioButton(frmMoved_), "optYes");
  lblYes_ = Named(new QLabel(Tr("Yes"), frmMoved_), "lblYes");
  optNo_ = Named(new QRadioButton(frmMoved_), "optNo");
  lblNo_ = Named(new QLabel(Tr("No"), frmMoved_), "lblNo");
  lblYes_->setBuddy(optYes_);
  lblNo_->setBuddy(optNo_);
  auto* moved = new QHBoxLayout(frmMoved_);
  moved->addWidget(optYes_);
  moved->addWidget(lblYes_);
  moved->addSpacing(24);
  moved->addWidget(optNo_);
  moved->addWidget(lblNo_);
  moved->addStretch();

  cmdOK_ = Named(new QPushButton(Tr("Measure"), this), "cmdOK");
  cmdOK_->setToolTip(Tr("Start Qualification"));
  cmdOK_->setDefault(true);
  cmdCancel_ = Named(new QPushButton(Tr("Cancel"), this), "cmdCancel");
  cmdCancel_->setToolTip(Tr("Cancel Qualification"));

  auto* grid = new QGridLayout;
  grid->addWidget(lblProbe_, 0, 0);
  grid->addWidget(cmbProbe_, 0, 1);
  grid->addWidget(lblArtifact_, 1, 0);
  grid->addWidget(cmbArtifact_, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK_);
  buttons->addWidget(cmdCancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(frmMoved_);
  layout->addLayout(buttons);

  connect(cmdOK_, &QPushButton::clicked, this, &frmSelect::OnOK);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmSelect::reject);
}

void frmSelect::Load(const QualificationChoice& choice) {
  cancelled_ = false;
  if (!choice.caption.empty()) setWindowTitle(Q(choice.caption));

  cmbProbe_->clear();
  for (const auto& name : choice.probes) cmbProbe_->addItem(Q(name));
  int index = cmbProbe_->findText(Q(choice.probe));
  cmbProbe_->setCurrentIndex(index >= 0 ? index : (cmbProbe_->count() > 0 ? 0 : -1));
  cmbProbe_->setEnabled(choice.probeEnabled);
  lblProbe_->setEnabled(choice.probeEnabled);
  cmbProbe_->setToolTip(Q(choice.probeTip));

  cmbArtifact_->clear();
  for (const auto& id : choice.artifacts) cmbArtifact_->addItem(Q(id));
  index = cmbArtifact_->findText(Q(choice.artifact));
  cmbArtifact_->setCurrentIndex(index >= 0 ? index : (cmbArtifact_->count() > 0 ? 0 : -1));
  cmbArtifact_->setEnabled(choice.artifactEnabled);
  lblArtifact_->setEnabled(choice.artifactEnabled);
  cmbArtifact_->setToolTip(Q(choice.artifactTip));

  for (QWidget* w : std::initializer_list<QWidget*>{frmMoved_, optYes_, lblYes_, optNo_, lblNo_})
    w->setEnabled(choice.movedEnabled);
  optYes_->setChecked(choice.moved);
  optNo_->setChecked(!choice.moved);
}

void frmSelect::Store(QualificationChoice& choice) const {
  if (cancelled_) {
    choice.probe.clear();
    choice.artifact.clear();
  } else {
    choice.probe = cmbProbe_->currentText().toStdString();
    choice.artifact = cmbArtifact_->currentText().toStdString();
  }
  choice.moved = optYes_->isChecked();
}

void frmSelect::OnOK() {
  cancelled_ = false;
  accept();
}

void frmSelect::reject() {
  cancelled_ = true;
  cmbProbe_->setCurrentIndex(-1);
  cmbArtifact_->setCurrentIndex(-1);
  QDialog::reject();
}

QtSelectionWindow::~QtSelectionWindow() {
  Close();
}

void QtSelectionWindow::ShowModal(QualificationChoice& choice) {
  if (!window_) window_ = new frmSelect(parent_);
  window_->Load(choice);
  window_->exec();
  window_->Store(choice);
}

void QtSelectionWindow::Close() {
  delete window_;
  window_ = nullptr;
}

}  // namespace zantrel
