// The operator console.
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cstdlib>
#include <memory>

#include "console/ConsoleState.h"
#include "console/SplashView.h"
#include "console/Startup.h"
#include "console/ui/frmMain.h"
#include "console/ui/frmSplash.h"
#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/TextFile.h"
#include "host/Kormet.h"
#include "host/api/Binding.h"
#include "platform/Drives.h"
#include "platform/qt/ProgramPlatform.h"
#include "platform/qt/QtText.h"
#include "platform/rtf/RtfRichText.h"

using namespace zantrel;

namespace {

// The splash needs the program folder and product name, which the first start-up steps
// settle; it is made when first shown.
class Splash : public SplashView {
 public:
  explicit Splash(const ConsoleState& state) : state_(state) {}
  void ShowSplash() override { Get().ShowSplash(); }
  void Show(const std::string& text) override { Get().Show(text); }
  bool IsVisible() const override { return window_ && window_->IsVisible(); }
  void HideSplash() override {
    if (window_) window_->HideSplash();
  }
  void CloseSplash() override {
    if (window_) window_->CloseSplash();
  }

 private:
  frmSplash& Get() {
    if (!window_) {
      const std::string logo =
          GetIniVal("Interface", "Logo", JoinPath(state_.programFolder, "CompanyLogo.bmp"));
      const std::string help = Ctx().platform.drives->Map("C:\\Zantrel\\help\\Zantrel.chm");
      window_ = std::make_unique<frmSplash>(state_.productName, logo, help);
    }
    return *window_;
  }

  const ConsoleState& state_;
  std::unique_ptr<frmSplash> window_;
};

}  // namespace

int main(int argc, char** argv) {
  return RunProgram(argc, argv, "Zantrel", [](ProgramPlatform& program) {
    RtfRichText richText;
    program.Services().richText = &richText;
    Context context;
    context.platform = program.Services();
    ScopedContext scope(context);

    const std::string executable = QCoreApplication::applicationFilePath().toStdString();
    const QString decimal = QLocale::system().decimalPoint();
    std::string commandLine;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i)
      commandLine += (commandLine.empty() ? "" : " ") + args[i].toStdString();

    ConsoleState state;
    Startup startup(state, executable, decimal.isEmpty() ? '.' : decimal[0].toLatin1());
    Kormet kormet([] { return host::BindKormet(); }, state.interfaceMode, state.settingsFile);
    frmMain mainWindow(state, nullptr);
    Splash splash(state);
    try {
      startup.Initialise(commandLine, &splash, &kormet);
      mainWindow.setWindowTitle(ToQString(state.productName));
      mainWindow.SetLanguageTable(&startup.Language());
      mainWindow.CheckLanguage(state.language);
      if (!startup.Load(&splash, &kormet)) {
        kormet.KillKormet(state.normalRun, nullptr);
        return 0;
      }
    } catch (const FileError& error) {
      // An unwritable program folder: say so instead of dying without a word.
      DebugLog(std::string("Zantrel cannot start: ") + error.what(), 0, true, kErrr);
      return 1;
    }
    mainWindow.ShowForRun();
    int code = 0;
    if (!std::getenv("ZANTREL_EXIT_AFTER_START")) code = QCoreApplication::exec();
    // Leave no host behind.
    kormet.KillKormet(state.normalRun, nullptr);
    return code;
  });
}
