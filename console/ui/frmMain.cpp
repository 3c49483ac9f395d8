#include "console/ui/frmMain.h"

#include "foundation/FileOps.h"
#include "foundation/Format.h"

namespace zantrel {

frmMain::frmMain(ConsoleState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromStdString(state_.productName));
  resize(1024, 700);
}

void frmMain::ShowForRun() {
  const long long windowState = NumberOr(ReadIniKey(state_.settingsFile, "Zantrel_WindowState"), 0);
  if (!state_.normalRun || windowState == 1) {
    showMinimized();
  } else if (windowState == 2) {
    showMaximized();
  } else {
    show();
  }
}

}  // namespace zantrel
