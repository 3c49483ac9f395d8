#include "combine/ui/frmCombine.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/qt/QtText.h"

namespace zantrel {

frmCombine::frmCombine()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      label_(new QLabel("Combining...", this)) {
  setObjectName("frmCombine");
  setWindowTitle("Combine");
  label_->setObjectName("Label1");
  label_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  setFixedSize(420, 80);
}

void frmCombine::SetLabel(const std::string& text) {
  label_->setText(ToQString(text));
  QCoreApplication::processEvents();
}

}  // namespace zantrel
