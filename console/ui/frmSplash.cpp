#include "console/ui/frmSplash.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "console/LogoFit.h"
#include "console/SysInfo.h"
#include "console/Version.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Lang.h"
#include "platform/qt/QtText.h"

namespace zantrel {

namespace {
constexpr int kLogoFrame = 160;
}

frmSplash::frmSplash(const std::string& productName, const std::string& logoFile,
                     const std::string& helpFile, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), helpFile_(helpFile) {
  DebugLog("Splash_Load: Start:", 9);
  setObjectName("frmSplash");
  auto* frame = new QFrame(this);
  frame->setObjectName("Frame1");
  frame->setFrameShape(QFrame::Box);
  frame->installEventFilter(this);

  auto* logo = new QLabel(frame);
  logo->setObjectName("imgLogo");
  logo->setFixedSize(kLogoFrame, kLogoFrame);
  DebugLog("Logo is: " + logoFile, 10);
  if (FileExists(logoFile, true)) {
    QPixmap picture(PathToQString(logoFile));
    if (!picture.isNull()) {
      const LogoPlace place = FitLogo(kLogoFrame, kLogoFrame, picture.width(), picture.height());
      QPixmap canvas(kLogoFrame, kLogoFrame);
      canvas.fill(Qt::transparent);
      QPixmap scaled = picture.scaled(place.width, place.height, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
      QPainter painter(&canvas);
      painter.drawPixmap(place.left, place.top, scaled);
      painter.end();
      logo->setPixmap(canvas);
    }
  }

  auto* product = new QLabel(ToQString(productName), frame);
  product->setObjectName("lblProductName");
  QFont big = product->font();
  big.setPointSize(big.pointSize() + 8);
  big.setBold(true);
  product->setFont(big);
  auto* version = new QLabel(ToQString(Translate("Version") + " " + kVersionText), frame);
  version->setObjectName("lblVersion");
  status_ = new QLabel(frame);
  status_->setObjectName("lblStatus");
  status_->setMinimumWidth(320);

  help_ = new QPushButton(ToQString(Translate("&Help")), frame);
  help_->setObjectName("cmdHelp");
  sysInfo_ = new QPushButton(ToQString(Translate("&System Info...")), frame);
  sysInfo_->setObjectName("cmdSysInfo");
  ok_ = new QPushButton(ToQString(Translate("OK")), frame);
  ok_->setObjectName("cmdOK");
  connect(help_, &QPushButton::clicked, this, [this] { ShellOpen("Open", helpFile_, "", "", 3); });
  connect(sysInfo_, &QPushButton::clicked, this, [] { RunSystemInfo(); });
  connect(ok_, &QPushButton::clicked, this, &frmSplash::CloseSplash);

  auto* text = new QVBoxLayout;
  text->addWidget(product);
  text->addWidget(version);
  text->addStretch();
  text->addWidget(status_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(help_);
  buttons->addWidget(sysInfo_);
  buttons->addWidget(ok_);
  text->addLayout(buttons);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(logo);
  row->addLayout(text);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);
  EnableButtons(false);
  DebugLog("Splash_Load: End:", 9);
}

frmSplash::~frmSplash() = default;

void frmSplash::EnableButtons(bool enabled) {
  help_->setEnabled(enabled);
  sysInfo_->setEnabled(enabled);
  ok_->setEnabled(enabled);
}

void frmSplash::ShowSplash() {
  show();
  qApp->processEvents();
}

void frmSplash::Show(const std::string& text) {
  status_->setText(ToQString(text));
  repaint();
  qApp->processEvents();
}

void frmSplash::CloseSplash() {
  if (!isVisible()) return;
  hide();
  DebugLog("frmSplash: Unloaded.", 0);
}

void frmSplash::mousePressEvent(QMouseEvent*) {
  CloseSplash();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
  CloseSplash();
}

}  // namespace zantrel
