#include "devtab/ui/frmreport.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

#include "platform/qt/QtText.h"

namespace zantrel {

frmreport::frmreport()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      progress_(new QProgressBar(this)) {
  setObjectName("frmreport");
  setWindowTitle("Devtab Creating Output File");
  progress_->setObjectName("ProgressBar1");
  progress_->setRange(0, 100);
  progress_->setValue(0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progress_);
  setFixedSize(360, 60);
}

void frmreport::SetCaption(const std::string& caption) {
  setWindowTitle(ToQString(caption));
  QCoreApplication::processEvents();
}

void frmreport::SetProgress(int percent) {
  progress_->setValue(percent);
  QCoreApplication::processEvents();
}

}  // namespace zantrel
