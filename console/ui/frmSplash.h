#pragma once
// The splash window: product, version, logo; closed by a click or a key.
#include <QDialog>

#include "console/SplashView.h"

class QLabel;
class QPushButton;

namespace zantrel {

class frmSplash : public QDialog, public SplashView {
  Q_OBJECT
 public:
  frmSplash(const std::string& productName, const std::string& logoFile,
            const std::string& helpFile, QWidget* parent = nullptr);
  ~frmSplash() override;

  void ShowSplash() override;
  void Show(const std::string& text) override;
  bool IsVisible() const override { return isVisible(); }
  void HideSplash() override { hide(); }
  void CloseSplash() override;

  // As the about window: the buttons are usable.
  void EnableButtons(bool enabled);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* status_;
  QPushButton* help_;
  QPushButton* sysInfo_;
  QPushButton* ok_;
  std::string helpFile_;
};

}  // namespace zantrel
