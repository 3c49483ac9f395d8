#pragma once
// The console's main window.
#include <QMainWindow>
#include <array>

#include "console/ConsoleState.h"

class QAction;
class QMenu;

namespace zantrel {

class LanguageTable;

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  frmMain(ConsoleState& state, LanguageTable* language, QWidget* parent = nullptr);

  void SetLanguageTable(LanguageTable* language) { language_ = language; }
  // Checks the language item of the language number (English for any other).
  void CheckLanguage(int language);
  // Passes every caption and tip through the language table.
  void Repaint();
  // Applies the window state of the settings and shows the window.
  void ShowForRun();

  QAction* LanguageItem(int language) const { return languageItems_[language - 1]; }

 private:
  void ChooseLanguage(int language);

  ConsoleState& state_;
  LanguageTable* language_;
  QMenu* mnuLang_;
  std::array<QAction*, 5> languageItems_{};
};

}  // namespace zantrel
