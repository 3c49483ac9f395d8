#pragma once
// The small progress window shown while measured data is read and points files are converted.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "geometry/Progress.h"

namespace zantrel {

class frmProgress : public QWidget, public Progress {
  Q_OBJECT

 public:
  explicit frmProgress(QWidget* parent = nullptr);

  void SetCaption(const std::string& text) override;
  void SetLabel(const std::string& text) override;
  void SetValue(int value) override;
  int Value() const override;
  void Show() override;
  void Refresh() override;
  void Close() override;

  QLabel* Label1() const { return label_; }
  QProgressBar* ProgressBar1() const { return bar_; }

 private:
  QLabel* label_;
  QProgressBar* bar_;
};

}  // namespace zantrel
