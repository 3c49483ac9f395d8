#include "console/ui/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "platform/qt/QtText.h"

namespace zantrel {

namespace {

QString Tr(const QString& text) {
  return ToQString(Translate(FromQString(text)));
}

}  // namespace

frmMain::frmMain(ConsoleState& state, LanguageTable* language, QWidget* parent)
    : QMainWindow(parent), state_(state), language_(language) {
  setObjectName("frmMain");
  setWindowTitle(ToQString(state_.productName));
  resize(1024, 700);

  mnuLang_ = menuBar()->addMenu("Language");
  mnuLang_->setObjectName("mnuLang");
  const char* names[] = {"mnuEnglish", "mnuFrench", "mnuItalian", "mnuGerman", "mnuSpanish"};
  const char* captions[] = {"English", "French", "Italian", "German", "Spanish"};
  for (int n = 1; n <= 5; ++n) {
    QAction* item = mnuLang_->addAction(captions[n - 1]);
    item->setObjectName(names[n - 1]);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, n] { ChooseLanguage(n); });
    languageItems_[n - 1] = item;
  }
}

void frmMain::CheckLanguage(int language) {
  if (language < 1 || language > 5) language = 1;
  for (int n = 1; n <= 5; ++n) languageItems_[n - 1]->setChecked(n == language);
}

void frmMain::ChooseLanguage(int language) {
  if (language_) language_->loadLanguage(language);
  CheckLanguage(language);
  Repaint();
}

void frmMain::Repaint() {
  for (QWidget* control : findChildren<QWidget*>()) {
    QString caption;
    if (auto* label = qobject_cast<QLabel*>(control)) {
      caption = label->text();
      if (!caption.isEmpty()) label->setText(Tr(caption));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      caption = button->text();
      if (!caption.isEmpty()) button->setText(Tr(caption));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
      caption = frame->title();
      if (!caption.isEmpty()) frame->setTitle(Tr(caption));
    }
    if (caption.isEmpty() && control->toolTip().isEmpty()) continue;
    DebugLog("frmMain: Repaint: " + FromQString(control->objectName()), 10);
    if (!control->toolTip().isEmpty()) control->setToolTip(Tr(control->toolTip()));
  }
  for (QAction* item : findChildren<QAction*>()) {
    if (item->text().isEmpty()) continue;
    DebugLog("frmMain: Repaint: " + FromQString(item->objectName()), 10);
    item->setText(Tr(item->text()));
  }
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
