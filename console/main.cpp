// The operator console.
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include "console/ConsoleState.h"
#include "console/Startup.h"
#include "console/ui/frmMain.h"
#include "console/ui/frmSplash.h"
#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/TextFile.h"
#include "platform/Drives.h"
#include "platform/qt/ProgramPlatform.h"
#include "platform/qt/QtText.h"
#include "platform/rtf/RtfRichText.h"

using namespace zantrel;

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
    frmMain mainWindow(state, nullptr);
    std::unique_ptr<frmSplash> splash;
    try {
      // The splash needs the program folder and product name, which the first steps settle;
      // it is created on first use.
      struct LazySplash : SplashView {
        std::unique_ptr<frmSplash>& window;
        ConsoleState& state;
        LazySplash(std::unique_ptr<frmSplash>& w, ConsoleState& s) : window(w), state(s) {}
        frmSplash& Get() {
          if (!window) {
            const std::string logo =
                GetIniVal("Interface", "Logo", JoinPath(state.programFolder, "CompanyLogo.bmp"));
            const std::string help = Ctx().platform.drives->Map("C:\\Zantrel\\help\\Zantrel.chm");
            window = std::make_unique<frmSplash>(state.productName, logo, help);
          }
          return *window;
        }
        void ShowSplash() override { Get().ShowSplash(); }
        void SetStatus(const std::string& text) override { Get().SetStatus(text); }
        void CloseSplash() override {
          if (window) window->CloseSplash();
        }
      } lazy(splash, state);

      startup.Initialise(commandLine, &lazy);
      mainWindow.setWindowTitle(ToQString(state.productName));
      mainWindow.SetLanguageTable(&startup.Language());
      mainWindow.CheckLanguage(state.language);
      startup.Load(&lazy);
    } catch (const FileError& error) {
      // An unwritable program folder: say so instead of dying without a word.
      DebugLog(std::string("Zantrel cannot start: ") + error.what(), 0, true, kErrr);
      return 1;
    }
    mainWindow.ShowForRun();
    if (std::getenv("ZANTREL_EXIT_AFTER_START")) return 0;  // unattended start-up checks
    return QCoreApplication::exec();
  });
}
