#include "geometry/ui/frmProgress.h"

#include <QVBoxLayout>

namespace zantrel {

namespace {

// Files and settings are 8-bit; show UTF-8 when it is valid, else Windows-1252's Latin range.
QString Shown(const std::string& text) {
  const QString utf8 = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!utf8.contains(QChar::ReplacementCharacter)) return utf8;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

frmProgress::frmProgress(QWidget* parent)
    : QWidget(parent, Qt::Dialog), label_(new QLabel(this)), bar_(new QProgressBar(this)) {
  setObjectName("frmProgress");
  setWindowTitle("Processing...");
  label_->setObjectName("Label1");
  label_->setText("Processing Data File...");
  bar_->setObjectName("ProgressBar1");
  bar_->setRange(0, 100);
  bar_->setValue(0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  setMinimumWidth(360);
}

void frmProgress::SetCaption(const std::string& text) {
  setWindowTitle(Shown(text));
}

void frmProgress::SetLabel(const std::string& text) {
  label_->setText(Shown(text));
}

void frmProgress::SetValue(int value) {
  bar_->setValue(value < 0 ? 0 : (value > 100 ? 100 : value));
}

int frmProgress::Value() const {
  return bar_->value();
}

void frmProgress::Show() {
  show();
  raise();
}

void frmProgress::Refresh() {
  repaint();
}

void frmProgress::Close() {
  close();
}

}  // namespace zantrel
