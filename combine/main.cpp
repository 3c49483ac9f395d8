// The report combiner, started by the console's analysis monitor with
// "<report>.cmm,<report>.rtf" or "<report>.cmm,<report>.txt".
#include <QCoreApplication>
#include <string>

#include "combine/Combine.h"
#include "combine/ui/frmCombine.h"
#include "platform/qt/ProgramPlatform.h"
#include "platform/qt/QtText.h"
#include "platform/rtf/RtfRichText.h"

using namespace zantrel;

int main(int argc, char** argv) {
  // The command line as one text: a name holding a blank arrives as two fields, as callers
  // are told.
  std::string commandLine;
  for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);

  return RunProgram(argc, argv, "combine", [&](ProgramPlatform& program) {
    RtfRichText richText;
    Platform services = program.Services();
    services.richText = &richText;
    // The shown window is what the platform publishes for others to wait on; the run must not
    // publish a second one.
    services.windows = nullptr;

    frmCombine form;
    form.show();
    QCoreApplication::processEvents();
    Combine combine(services, PathFromQString(QCoreApplication::applicationDirPath()), form);
    const bool combined = combine.Run(commandLine);
    form.close();
    return combined ? 0 : 1;
  });
}
