// The host's window: its registry entry while the host runs, and the operator's Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include "foundation/TextFile.h"
#include "host/api/Binding.h"
#include "platform/testing/FakeShell.h"
#include "platform/testing/MemoryWindowRegistry.h"
#include "platform/testing/TestPlatform.h"
#include "sim/kormet/HostService.h"
#include "sim/kormet/ui/MainWindow.h"

namespace zantrel::kormetsim {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "windowtest";
  static char* argv[] = {name, nullptr};
  // Never destroyed: a QApplication torn down after main has returned crashes.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

bool ProcessUntil(const std::function<bool()>& condition) {
  QElapsedTimer timer;
  timer.start();
  while (!condition() && timer.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  return condition();
}

TEST(HostWindow, CancelEndsTheRunningRoutineAsTheOperatorWould) {
  App();
  TestPlatform tp(0);
  tp.Write("wait.prg", "COMMENT first\nPAUSE 30\nCOMMENT never");
  std::vector<std::string> errors;
  SimConfig config = LoadConfig(tp.Folder(), tp.File("none.ini"), errors);
  MemoryWindowRegistry windows;
  FakeShell shell;
  HostService service(config, &windows, shell);
  MainWindow window(service);
  window.show();

  auto entry = windows.FindByClass(host::kKormetWindowClass);
  ASSERT_TRUE(entry.has_value());
  auto* cancel = window.findChild<QPushButton*>("cmdCancel");
  ASSERT_NE(cancel, nullptr);
  EXPECT_FALSE(cancel->isEnabled());

  int termination = -1;
  service.RunRoutine(tp.File("wait.prg").string(), [&](int type) { termination = type; });
  ASSERT_TRUE(
      ProcessUntil([&] { return service.Model().RunState().find("PAUSE") != std::string::npos; }));
  EXPECT_TRUE(cancel->isEnabled());
  EXPECT_EQ(windows.FindByClass(host::kKormetWindowClass)->title, "Kormet - wait.prg");
  cancel->click();
  ASSERT_TRUE(ProcessUntil([&] { return termination != -1; }));
  EXPECT_EQ(termination, host::kEndCancelled);
  const std::string log = ReadAll(tp.File("kormetsim.log")).value_or("");
  EXPECT_NE(log.find("Cancel by operator"), std::string::npos);
  EXPECT_NE(log.find("End wait.prg 2"), std::string::npos);

  // Closing the window ends the host and takes its entry away.
  bool ended = false;
  QObject::connect(&service, &HostService::Ended, [&] { ended = true; });
  window.close();
  EXPECT_TRUE(ended);
  EXPECT_FALSE(windows.FindByClass(host::kKormetWindowClass).has_value());
}

}  // namespace
}  // namespace zantrel::kormetsim
