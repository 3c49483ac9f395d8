#include "devtab/CreateOutputFile.h"

#include <gtest/gtest.h>

#include "devtab/ReportLine.h"
#include "foundation/TextFile.h"
#include "host/api/HostError.h"
#include "platform/testing/TestPlatform.h"
#include "tests/devtab/FakeHost.h"

namespace zantrel {
namespace {

using testing::Axis;
using testing::FakeHost;
using testing::Head;
using testing::Named;
using testing::Other;

class RecordingView : public ReportView {
 public:
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void SetProgress(int percent) override { progress.push_back(percent); }
  std::vector<std::string> captions;
  std::vector<int> progress;
};

const char* const kLoc1X =
    "LOC1 X             1.2346    1.2300    0.0046    0.0050   -0.0050 --------*";
const char* const kDia2D =
    "DIA2 D            10.0030   10.0000    0.0030    0.0100   -0.0100 -----*---";

class CreateOutputFileTest : public ::testing::Test {
 protected:
  CreateOutputFileTest() : tp(0) {
    tp.context.variant = Variant::Devtab;
    tp.context.appTitle = "Devtab";
    host.commands = {
        Head("LOC1"),
        Axis(1002, 1.23456, 1.23, 0.005, 0.005),
        Axis(1003, 2.5, 2.5, 0.005, 0.005),
        Axis(1004, 0.1, 0.0, 0.005, 0.005),
        Other("MOVE1"),
        Named("DIA2", 1005, 10.003, 10.0, 0.01, 0.01),
    };
    host.commands[1].deviation = 0.00456;
  }

  void Run(const std::string& words) {
    attached = 0;
    CreateOutputFile(Report() + " " + words, Attach(), view);
  }
  void RunLine(const std::string& commandLine) { CreateOutputFile(commandLine, Attach(), view); }
  HostAttach Attach() {
    return [this] {
      ++attached;
      return host.Application();
    };
  }
  std::string Report() const { return tp.File("rep.txt").string(); }
  std::optional<std::string> Content() const { return ReadAll(tp.File("rep.txt")); }

  TestPlatform tp;
  FakeHost host;
  RecordingView view;
  int attached = 0;
};

TEST_F(CreateOutputFileTest, BothDimensionsGiveBlankLineAndTwoLines) {
  Run("LOC1 DIA2");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n" + kDia2D + "\r\n");
  EXPECT_TRUE(tp.op.Log().empty());
  EXPECT_EQ(view.captions,
            (std::vector<std::string>{"Devtab Writing " + Report(), "Processing Dimension LOC1",
                                      "Processing Dimension DIA2"}));
  ASSERT_FALSE(view.progress.empty());
  EXPECT_EQ(view.progress.back(), 100);
}

TEST_F(CreateOutputFileTest, LinesFollowTheRoutineOrderNotTheRequestOrder) {
  Run("DIA2 LOC1");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n" + kDia2D + "\r\n");
}

TEST_F(CreateOutputFileTest, MissingDimensionWritesWhatWasFoundAndTellsTheCount) {
  host.commands.pop_back();  // no DIA2
  Run("LOC1 DIA2");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n");
  EXPECT_EQ(
      tp.op.Messages(),
      (std::vector<std::string>{
          "Number of dimensions found: (1) was different than called for: (2), check report."}));
  ASSERT_EQ(tp.op.Log().size(), 1u);
  EXPECT_EQ(tp.op.Log()[0].title, "Devtab");
}

TEST_F(CreateOutputFileTest, IdentifiersMatchWithoutRegardToCase) {
  Run("loc1");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n");
  EXPECT_TRUE(tp.op.Log().empty());
}

TEST_F(CreateOutputFileTest, RepeatedIdentifierGivesTwoLinesFromTheFirstAxisLine) {
  Run("LOC1 LOC1");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n" + kLoc1X + "\r\n");
  EXPECT_TRUE(tp.op.Log().empty());
}

TEST_F(CreateOutputFileTest, AxisLinesAnswerUnderTheNameAboveThem) {
  // A non-dimension command between does not end the name; the skipped head gives no line.
  host.commands = {Head("LOC1", 1200), Other(), Axis(1203, 2.5, 2.5, 0.01, 0.01),
                   Axis(1204, 1.0, 1.0, 0.01, 0.01)};
  Run("LOC1");
  auto content = Content();
  ASSERT_TRUE(content);
  EXPECT_EQ(content->substr(0, 18), " \r\nLOC1 Y         ");
  EXPECT_EQ(content->size(), 3u + 75 + 2);
}

TEST_F(CreateOutputFileTest, AxisLinesBeforeAnyNameAnswerNothing) {
  host.commands = {Axis(1002, 1, 1, 0.1, 0.1), Head("LOC1"), Axis(1003, 2, 2, 0.1, 0.1)};
  Run("LOC1");
  auto content = Content();
  ASSERT_TRUE(content);
  EXPECT_EQ(content->substr(3, 6), "LOC1 Y");
}

TEST_F(CreateOutputFileTest, NamedAxisCommandAnswersItself) {
  host.commands = {Named("PNT7", 1013, 0.2, 0.0, 0.1, 0.1)};
  Run("PNT7");
  auto content = Content();
  ASSERT_TRUE(content);
  EXPECT_EQ(content->substr(3, 15), "PNT7 PD        ");
}

TEST_F(CreateOutputFileTest, WalkStopsOnceEveryRequestIsAnswered) {
  Run("LOC1");
  EXPECT_EQ(host.itemCalls, 2);  // the head and the first axis line
  EXPECT_EQ(host.valueCalls, 5);
}

TEST_F(CreateOutputFileTest, ReportIsAppendedToAnExistingFile) {
  WriteLines(tp.File("rep.txt"), {"HEADER", "LINE 2"});
  Run("LOC1");
  EXPECT_EQ(Content(), std::string("HEADER\r\nLINE 2\r\n \r\n") + kLoc1X + "\r\n");
}

TEST_F(CreateOutputFileTest, ZeroFoundWritesNothing) {
  Run("NOPE1 NOPE2");
  EXPECT_FALSE(Content());
  EXPECT_EQ(tp.op.Messages(),
            (std::vector<std::string>{"Error in Devtab. Zero dimensions found."}));
  EXPECT_EQ(view.progress.back(), 100);
}

TEST_F(CreateOutputFileTest, WithoutRequestedDimensionsNothingIsAskedOfTheHost) {
  for (const std::string& line :
       {std::string(), std::string("   "), Report(), Report() + " !LOC1"}) {
    tp.op.Clear();
    view.progress.clear();
    attached = 0;
    RunLine(line);
    EXPECT_EQ(
        tp.op.Messages(),
        (std::vector<std::string>{"There were zero requested dimensions in the Devtab command"}))
        << line;
    EXPECT_EQ(attached, 0) << line;
    EXPECT_EQ(view.progress, (std::vector<int>{100})) << line;
    EXPECT_FALSE(Content()) << line;
  }
}

TEST_F(CreateOutputFileTest, CommandLineSeparators) {
  const std::vector<std::string> expected{"C:\\rep\\blade.txt", "LOC1", "DIA2", "X"};
  EXPECT_EQ(CommandWords("C:\\rep\\blade.txt LOC1 DIA2 X"), expected);
  EXPECT_EQ(CommandWords("C:\\rep\\blade.txt,LOC1=DIA2\tX ! DIA3"), expected);
  EXPECT_EQ(CommandWords("  C:\\rep\\blade.txt , LOC1,,DIA2  X!"), expected);
  tp.context.decimalSymbol = ',';  // commas separate whatever the locale
  EXPECT_EQ(CommandWords("C:\\rep\\blade.txt,LOC1,DIA2,X"), expected);
}

TEST_F(CreateOutputFileTest, NoHostRunning) {
  auto none = [] { return std::shared_ptr<host::Application>(); };
  auto notFound = []() -> std::shared_ptr<host::Application> {
    throw host::HostError(host::HostError::Kind::NotFound, "nobody listens");
  };
  for (const HostAttach& attach : {HostAttach(none), HostAttach(notFound)}) {
    tp.op.Clear();
    CreateOutputFile(Report() + " LOC1", attach, view);
    EXPECT_EQ(tp.op.Messages(), (std::vector<std::string>{"No measurement host is running."}));
    EXPECT_FALSE(Content());
    EXPECT_EQ(view.progress.back(), 100);
  }
}

TEST_F(CreateOutputFileTest, BrokenConnectionIsNamedInTheMessage) {
  auto gone = []() -> std::shared_ptr<host::Application> {
    throw host::HostError(host::HostError::Kind::Gone, "connection reset");
  };
  CreateOutputFile(Report() + " LOC1", gone, view);
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  EXPECT_EQ(tp.op.Messages()[0],
            "No measurement host is running.\r\nError Number: 0\r\nError Description: connection "
            "reset\r\n");
  EXPECT_FALSE(Content());
}

TEST_F(CreateOutputFileTest, HostWithoutActiveRoutine) {
  host.activeRoutine = false;
  Run("LOC1");
  EXPECT_EQ(tp.op.Messages(),
            (std::vector<std::string>{"The measurement host has no active routine."}));
  EXPECT_FALSE(Content());
}

TEST_F(CreateOutputFileTest, HostFailingMidwayKeepsTheLinesFound) {
  host.failAtItem = 3;
  Run("LOC1 DIA2");
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n");
  auto messages = tp.op.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].rfind("Devtab: The measurement host stopped answering.", 0), 0u);
  EXPECT_NE(messages[0].find("host ended"), std::string::npos);
  EXPECT_EQ(messages[1],
            "Number of dimensions found: (1) was different than called for: (2), check report.");
}

TEST_F(CreateOutputFileTest, UnwritableReportIsReported) {
  const std::string path = tp.File("missing").string() + "/rep.txt";
  CreateOutputFile(path + " LOC1", Attach(), view);
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  EXPECT_EQ(tp.op.Messages()[0].rfind("Devtab: Unable to write the report file ", 0), 0u);
  EXPECT_EQ(view.progress.back(), 100);
}

TEST_F(CreateOutputFileTest, WaitsWhileAnUpdatingWindowIsOpen) {
  const long long update = tp.windows.PublishFor(4321, "Stat", "Lumistat UPDATING Database: x");
  int events = 0;
  tp.clock.OnEvents([&] {
    if (++events == 5) tp.windows.Withdraw(update);
  });
  bool windowGoneAtAttach = false;
  CreateOutputFile(
      Report() + " LOC1",
      [&] {
        windowGoneAtAttach = tp.windows.All().empty();
        return host.Application();
      },
      view);
  EXPECT_TRUE(windowGoneAtAttach);
  EXPECT_GE(events, 5);
  EXPECT_GT(tp.clock.Slept().count(), 0);
  EXPECT_EQ(Content(), std::string(" \r\n") + kLoc1X + "\r\n");
}

}  // namespace
}  // namespace zantrel
