#pragma once
// The progress window of the report tool. The program's window publisher makes it known to
// other programs with its caption as it changes.
#include <QWidget>

#include "devtab/ReportView.h"

class QProgressBar;

namespace zantrel {

class frmreport : public QWidget, public ReportView {
  Q_OBJECT

 public:
  frmreport();

  void SetCaption(const std::string& caption) override;
  void SetProgress(int percent) override;

  QProgressBar* ProgressBar1() const { return progress_; }

 private:
  QProgressBar* progress_;
};

}  // namespace zantrel
