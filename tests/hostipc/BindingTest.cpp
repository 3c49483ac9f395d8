// The binding against a real kormetsim process: start and join, calls, events in order and on
// the caller's thread, cancel, a host that dies or hangs during a call, two clients at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <thread>

#include "platform/qt/FileWindowRegistry.h"
#include "platform/testing/MemoryUserStore.h"
#include "tests/hostipc/SimHost.h"

namespace zantrel {
namespace {

using host::HostError;
using testing::SimHost;

struct Recorder : host::EventListener {
  std::vector<std::string> events;
  std::thread::id thread;
  void Note(const std::string& text) {
    thread = std::this_thread::get_id();
    events.push_back(text);
  }
  void OnEndExecution(const host::EventRoutine& r, int type) override {
    Note("End " + r.name + " " + std::to_string(type));
  }
  void OnStartExecution(const host::EventRoutine& r) override { Note("Start " + r.name); }
  void OnOpenPartProgram(const host::EventRoutine& r) override { Note("Open " + r.name); }
  void OnClosePartProgram(const host::EventRoutine& r) override { Note("Close " + r.name); }
  void OnObjectAboutToExecute(const host::EventRoutine&, const host::EventCommand& c) override {
    Note("About " + std::to_string(c.index) + " " + c.text);
  }
  void OnObjectExecuted(const host::EventRoutine&, const host::EventCommand& c) override {
    Note("Done " + std::to_string(c.index));
  }
  void OnAddObject(const host::EventRoutine&, const host::EventCommand& c) override {
    Note("Add " + std::to_string(c.index) + " " + c.text);
  }
  void OnUpdateStatusMessage(const std::string& text) override { Note("Status " + text); }
};

TEST(Binding, StartsTheHostOnceAndJoinsItAfterwards) {
  SimHost sim("[Host]\nVersionString = 3.2 beta\n");
  auto first = sim.Bind();
  EXPECT_TRUE(first->WaitUntilReady(10));
  EXPECT_EQ(first->VersionString(), "3.2 beta");
  EXPECT_EQ(first->Path(), sim.Home().string() + "/");
  EXPECT_EQ(first->FullName(), SimHost::Executable());
  EXPECT_EQ(first->ActivePartProgram(), nullptr);

  auto second = sim.Bind();
  sim.Write("a.prg", "COMMENT one\n");
  ASSERT_NE(second->PartPrograms()->Open((sim.Home() / "a.prg").string(), "CMM1"), nullptr);
  auto active = first->ActivePartProgram();
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(active->Name(), "a.prg");
  EXPECT_EQ(first->PartPrograms()->Count(), 1);
  EXPECT_EQ(sim.LogCount("Started"), 1);
}

TEST(Binding, FindsTheHostThroughTheRegistrationOrReportsNone) {
  SimHost sim;
  unsetenv("ZANTREL_KORMET_EXE");
  MemoryUserStore store;
  host::BindOptions options;
  options.store = &store;
  try {
    sim.Bind(options);
    FAIL() << "bound without a registered host";
  } catch (const HostError& error) {
    EXPECT_EQ(error.kind(), HostError::Kind::NotFound);
  }
  host::RegisterHostClass(store, host::kKormetClass, SimHost::Executable());
  EXPECT_EQ(host::RegisteredHostExecutable(options), SimHost::Executable());
  EXPECT_TRUE(sim.Bind(options)->WaitUntilReady(10));
}

TEST(Binding, WaitUntilReadyWaitsForASlowHost) {
  SimHost sim("[Host]\nReadyDelay = 300\n");
  auto app = sim.Bind();
  EXPECT_FALSE(app->WaitUntilReady(0));
  EXPECT_TRUE(app->WaitUntilReady(10));
}

TEST(Binding, EventsArriveInRunOrderOnTheCallingThread) {
  SimHost sim;
  sim.Write("run.prg",
            "DIM LOC1 1000\n"
            "AXIS 1002 1.5 1.4 0.1 0.1\n"
            "STATUS measuring now\n"
            "INSERT COMMENT added\n");
  auto app = sim.Bind();
  auto events = app->ApplicationEvents();
  Recorder recorder;
  events->Attach(&recorder);
  auto routine = app->PartPrograms()->Open((sim.Home() / "run.prg").string(), "OFFLINE");
  ASSERT_NE(routine, nullptr);
  EXPECT_TRUE(routine->EXECUTE());
  events->Detach(&recorder);
  const std::vector<std::string> expected{"Open run.prg",
                                          "Start run.prg",
                                          "About 1 DIM LOC1 1000",
                                          "Done 1",
                                          "About 2 AXIS 1002 1.5 1.4 0.1 0.1",
                                          "Done 2",
                                          "About 3 STATUS measuring now",
                                          "Status measuring now",
                                          "Done 3",
                                          "About 4 INSERT COMMENT added",
                                          "Add 5 COMMENT added",
                                          "Done 4",
                                          "About 5 COMMENT added",
                                          "Done 5",
                                          "End run.prg 1"};
  EXPECT_EQ(recorder.events, expected);
  EXPECT_EQ(recorder.thread, std::this_thread::get_id());
  EXPECT_EQ(routine->Commands()->Count(), 5);
}

TEST(Binding, ACancelledRunEndsWithTypeTwoAfterTheCancelStatus) {
  SimHost sim;
  sim.Write("cancel.prg", "COMMENT before\nCANCEL\nCOMMENT never\n");
  auto app = sim.Bind();
  auto events = app->ApplicationEvents();
  Recorder recorder;
  events->Attach(&recorder);
  auto routine = app->PartPrograms()->Open((sim.Home() / "cancel.prg").string(), "CMM1");
  EXPECT_FALSE(routine->EXECUTE());
  events->Detach(&recorder);
  ASSERT_GE(recorder.events.size(), 3u);
  const size_t n = recorder.events.size();
  EXPECT_EQ(recorder.events[n - 3], "About 2 CANCEL");
  EXPECT_EQ(recorder.events[n - 2], std::string("Status ") + host::kCanceledStatus);
  EXPECT_EQ(recorder.events[n - 1], "End cancel.prg 2");
  for (const auto& e : recorder.events) EXPECT_EQ(e.find("never"), std::string::npos);
}

// A handler that calls the host while EXECUTE is waiting gets its answer, and a second
// client is served while the first one's routine runs.
struct SecondClient : Recorder {
  std::shared_ptr<host::Application> self;
  std::shared_ptr<host::Application> other;
  long otherCount = -1;
  double measured = 0;
  void OnObjectAboutToExecute(const host::EventRoutine& r, const host::EventCommand& c) override {
    Recorder::OnObjectAboutToExecute(r, c);
    if (c.text.rfind("PAUSE", 0) != 0) return;
    self->SetVisible(false);
    auto commands = other->ActivePartProgram()->Commands();
    otherCount = commands->Count();
    measured = commands->Item(1)->DimensionCommand()->Measured();
  }
};

TEST(Binding, TwoClientsShareTheHostDuringARun) {
  SimHost sim;
  sim.Write("two.prg", "DIM DIA2 1005 10.002 10 0.01 0.01\nPAUSE 0.1\nCOMMENT end\n");
  auto console = sim.Bind();
  auto devtab = sim.Bind();
  Recorder devtabEvents;
  auto devtabSource = devtab->ApplicationEvents();
  devtabSource->Attach(&devtabEvents);

  SecondClient handler;
  handler.self = console;
  handler.other = devtab;
  auto events = console->ApplicationEvents();
  events->Attach(&handler);
  auto routine = console->PartPrograms()->Open((sim.Home() / "two.prg").string(), "CMM1");
  EXPECT_TRUE(routine->EXECUTE());
  events->Detach(&handler);
  EXPECT_EQ(handler.otherCount, 3);
  EXPECT_DOUBLE_EQ(handler.measured, 10.002);
  EXPECT_FALSE(console->Visible());

  // The other client's events wait for it to take them.
  devtabSource->DeliverPending();
  devtabSource->Detach(&devtabEvents);
  ASSERT_FALSE(devtabEvents.events.empty());
  EXPECT_EQ(devtabEvents.events.back(), "End two.prg 1");
}

TEST(Binding, EventsArriveWhileTheEventLoopRuns) {
  SimHost sim;
  sim.Write("e.prg", "COMMENT x\n");
  auto console = sim.Bind();
  auto other = sim.Bind();
  Recorder recorder;
  auto events = console->ApplicationEvents();
  events->Attach(&recorder);
  other->PartPrograms()->Open((sim.Home() / "e.prg").string(), "CMM1");
  // A wait that lets Qt's events run, as the console's waits do.
  for (int i = 0; i < 200 && recorder.events.empty(); ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  events->Detach(&recorder);
  EXPECT_EQ(recorder.events, std::vector<std::string>{"Open e.prg"});
}

TEST(Binding, AHostThatDiesDuringARunFailsTheCallAndEveryLaterOne) {
  SimHost sim;
  sim.Write("crash.prg", "COMMENT one\nCRASH\n");
  auto app = sim.Bind();
  auto routine = app->PartPrograms()->Open((sim.Home() / "crash.prg").string(), "CMM1");
  try {
    routine->EXECUTE();
    FAIL() << "EXECUTE returned from a host that died";
  } catch (const HostError& error) {
    EXPECT_EQ(error.kind(), HostError::Kind::Gone);
  }
  EXPECT_THROW(app->VersionString(), HostError);
  EXPECT_TRUE(sim.WaitEnded());
  // The next binding starts a new host.
  auto again = sim.Bind();
  EXPECT_TRUE(again->WaitUntilReady(10));
  EXPECT_EQ(sim.LogCount("Started"), 2);
}

TEST(Binding, AHostThatStopsAnsweringTimesOut) {
  SimHost sim;
  sim.Write("hang.prg", "HANG 2\n");
  host::BindOptions options;
  options.executeSilenceTimeout = std::chrono::milliseconds(300);
  options.callTimeout = std::chrono::milliseconds(300);
  auto app = sim.Bind(options);
  auto routine = app->PartPrograms()->Open((sim.Home() / "hang.prg").string(), "CMM1");
  try {
    routine->EXECUTE();
    FAIL() << "EXECUTE waited for a hung host";
  } catch (const HostError& error) {
    EXPECT_EQ(error.kind(), HostError::Kind::TimedOut);
  }
}

TEST(Binding, RefusedCallsAreHostErrorsAndTheConnectionStaysUsable) {
  SimHost sim;
  sim.Write("r.prg", "COMMENT x\n");
  auto app = sim.Bind();
  EXPECT_EQ(app->PartPrograms()->Open((sim.Home() / "missing.prg").string(), "CMM1"), nullptr);
  auto routine = app->PartPrograms()->Open((sim.Home() / "r.prg").string(), "CMM1");
  auto commands = routine->Commands();
  try {
    commands->Item(2);
    FAIL();
  } catch (const HostError& error) {
    EXPECT_EQ(error.kind(), HostError::Kind::Refused);
  }
  EXPECT_THROW(commands->Item(1)->DimensionCommand(), HostError);
  routine->Close();
  EXPECT_THROW(routine->Name(), HostError);
  EXPECT_EQ(app->PartPrograms()->Count(), 0);
}

TEST(Binding, QuitEndsTheHostAndItsWindow) {
  SimHost sim;
  auto app = sim.Bind();
  ASSERT_TRUE(app->WaitUntilReady(10));
  FileWindowRegistry windows;
  auto window = windows.FindByClass(host::kKormetWindowClass);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->pid, sim.Pid());
  app->quit();
  EXPECT_TRUE(sim.WaitEnded());
  EXPECT_FALSE(windows.FindByClass(host::kKormetWindowClass).has_value());
  EXPECT_THROW(app->Visible(), HostError);
}

TEST(Binding, AskingTheWindowToCloseEndsTheHost) {
  SimHost sim;
  auto app = sim.Bind();
  ASSERT_TRUE(app->WaitUntilReady(10));
  FileWindowRegistry windows;
  auto window = windows.FindByClass(host::kKormetWindowClass);
  ASSERT_TRUE(window.has_value());
  EXPECT_TRUE(windows.Close(window->handle));
  EXPECT_TRUE(sim.WaitEnded());
  EXPECT_NE(sim.Log().find("Close requested"), std::string::npos);
}

}  // namespace
}  // namespace zantrel
