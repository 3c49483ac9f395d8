// The dimension report tool, started by measurement routines inside the host.
#include <QCoreApplication>
#include <QLocale>

#include "devtab/CreateOutputFile.h"
#include "devtab/ui/frmreport.h"
#include "foundation/Context.h"
#include "host/api/Binding.h"
#include "platform/qt/FileWindowRegistry.h"
#include "platform/qt/ProgramPlatform.h"
#include "platform/qt/QtText.h"

using namespace zantrel;

namespace {

// Joins the running host only: a report of a routine needs the host that runs it, and a fresh
// host would have no routine. The binding joins first and starts the given executable only
// when none runs; one that cannot start leaves the join alone (HostError NotFound).
std::shared_ptr<host::Application> AttachRunningHost() {
  host::BindOptions options;
  options.executable = "/nonexistent/kormet";
  return host::BindKormet(options);
}

}  // namespace

int main(int argc, char** argv) {
  // The routine's command line as one text, the way the tokenizer takes it.
  std::string commandLine;
  for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);

  return RunProgram(argc, argv, "Devtab", [&](ProgramPlatform& program) {
    Context context;
    context.platform = program.Services();
    context.variant = Variant::Devtab;
    context.debugLevel = 0;
    context.appTitle = "Devtab";
    context.programFolder = PathFromQString(QCoreApplication::applicationDirPath());
    const QString decimal = QLocale::system().decimalPoint();
    context.decimalSymbol = decimal.isEmpty() ? '.' : decimal[0].toLatin1();
    ScopedContext scope(context);

    // The program's own window, titled with its name for its whole run, as the console waits
    // on it: the progress window's caption loses the name while dimensions are processed.
    const long long application = program.Windows().Publish("DevtabMain", "Devtab");

    frmreport form;
    form.show();
    CreateOutputFile(commandLine, AttachRunningHost, form);
    form.close();
    program.Windows().Withdraw(application);
    return 0;
  });
}
