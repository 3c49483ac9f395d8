#pragma once
// The console's main window.
#include <QMainWindow>

#include "console/ConsoleState.h"

namespace zantrel {

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMain(ConsoleState& state, QWidget* parent = nullptr);

  // Applies the window state of the settings and shows the window.
  void ShowForRun();

 private:
  ConsoleState& state_;
};

}  // namespace zantrel
