#pragma once
// The combiner's window: caption "Combine" and the label that tells what it is doing.
#include <QWidget>

#include "combine/CombineView.h"

class QLabel;

namespace zantrel {

class frmCombine : public QWidget, public CombineView {
  Q_OBJECT

 public:
  frmCombine();

  void SetLabel(const std::string& text) override;

  QLabel* Label1() const { return label_; }

 private:
  QLabel* label_;
};

}  // namespace zantrel
