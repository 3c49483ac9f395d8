#include "platform/qt/QtOperator.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

#include "foundation/Context.h"
#include "platform/qt/QtText.h"

namespace zantrel {

namespace {

QString BoxTitle(const std::string& title) {
  if (!title.empty()) return ToQString(title);
  if (HasContext()) return ToQString(Ctx().appTitle);
  return QApplication::applicationName();
}

QWidget* Parent() {
  return QApplication::activeWindow();
}

// "*.*" matches every file on Windows, also names without a dot.
QString ConvertPatterns(const QString& patterns) {
  QStringList out;
  for (QString p : patterns.split(QRegularExpression("[;,\\s]+"), Qt::SkipEmptyParts)) {
    if (p == "*.*") p = "*";
    if (!out.contains(p)) out << p;
  }
  return out.isEmpty() ? QString("*") : out.join(' ');
}

}  // namespace

QString QtOperator::ConvertFilter(const std::string& filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString patterns = i + 1 < parts.size() ? parts[i + 1] : description;
    // Qt reads the patterns from the last parentheses of the entry, so the shown ones are replaced.
    description.remove(QRegularExpression("\\s*\\([^()]*\\)\\s*$"));
    if (description.isEmpty() && patterns.trimmed().isEmpty()) continue;
    const QString converted = ConvertPatterns(patterns);
    const bool bare = description.isEmpty() || ConvertPatterns(description) == converted;
    entries << (bare ? converted : description + " (" + converted + ")");
  }
  return entries.join(";;");
}

Answer QtOperator::Box(const std::string& text, const std::string& title, Buttons buttons) {
  QMessageBox box(Parent());
  box.setWindowTitle(BoxTitle(title));
  box.setText(ToQString(text));
  switch (buttons) {
    case Buttons::Ok:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:  // closed without a button
      if (buttons == Buttons::Ok) return Answer::Ok;
      return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
}

std::optional<std::string> QtOperator::Input(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText) {
  bool ok = false;
  const QString shownDefault = ToQString(defaultText);
  const QString text = QInputDialog::getText(Parent(), BoxTitle(title), ToQString(prompt),
                                             QLineEdit::Normal, shownDefault, &ok);
  if (!ok) return std::nullopt;
  // An untouched default comes back as the very bytes it came in.
  if (text == shownDefault) return defaultText;
  return FromQString(text);
}

std::optional<std::string> QtOperator::OpenFile(const std::string& title, const std::string& filter,
                                                const std::string& initialFolder,
                                                const std::string& initialName) {
  QString start = PathToQString(initialFolder);
  if (!initialName.empty()) {
    const QString name = PathToQString(initialName);
    start = QDir::isAbsolutePath(name) || start.isEmpty() ? name : QDir(start).filePath(name);
  }
  const QString chosen =
      QFileDialog::getOpenFileName(Parent(), BoxTitle(title), start, ConvertFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQString(QDir::toNativeSeparators(chosen));
}

std::optional<std::string> QtOperator::ChooseFolder(const std::string& title,
                                                    const std::string& initialFolder) {
  const QString chosen =
      QFileDialog::getExistingDirectory(Parent(), BoxTitle(title), PathToQString(initialFolder));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQString(QDir::toNativeSeparators(chosen));
}

void QtOperator::SetBusy(bool busy) {
  if (busy == busy_ || !QApplication::instance()) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace zantrel
