#include "combine/Combine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "combine/CombineView.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteRaw(const fs::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary) << content;
}

std::string Fixture(const std::string& name) {
  return Read(fs::path(ZANTREL_FIXTURES) / name);
}

// Records the labels and whether the window other programs wait on was there at each.
struct RecordingView : CombineView {
  explicit RecordingView(WindowRegistry& w) : windows(w) {}
  void SetLabel(const std::string& text) override {
    labels.push_back(text);
    published.push_back(windows.FindByTitle("Combine").has_value());
  }
  WindowRegistry& windows;
  std::vector<std::string> labels;
  std::vector<bool> published;
};

class CombineRun : public ::testing::Test {
 protected:
  bool Run(const std::string& commandLine) {
    Combine combine(tp.context.platform, tp.Folder(), view);
    return combine.Run(commandLine);
  }
  std::string P(const std::string& name) const { return tp.File(name).string(); }
  // Log lines without their time stamps; every line must carry one.
  std::vector<std::string> Log() const {
    std::vector<std::string> lines;
    for (const auto& line : tp.LogLines()) {
      EXPECT_EQ(line.substr(0, 10), "05:06:07: ") << line;
      lines.push_back(line.substr(10));
    }
    return lines;
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(tp.Folder()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TestPlatform tp;
  RecordingView view{tp.windows};
};

TEST_F(CombineRun, RichTextReportFollowsTheAnalysisResult) {
  WriteRaw(tp.File("blade.cmm"), Fixture("combine/blade.cmm"));
  WriteRaw(tp.File("blade.rtf"), Fixture("rtf/host-report.rtf"));
  const std::string command = P("blade.cmm") + "," + P("blade.rtf");

  EXPECT_TRUE(Run(command));

  EXPECT_EQ(Read(tp.File("blade.cmb")), Fixture("combine/blade.cmb"));
  EXPECT_THAT(Files(), ElementsAre("blade.cmb", "blade.cmm", "blade.rtf", "debug.txt"));
  EXPECT_THAT(Log(),
              ElementsAre("Combine Main: Start:", "Combine: Main: Command Line was: " + command,
                          "Found " + P("blade.rtf"), "Found " + P("blade.cmm"),
                          "Combine: Creating " + P("blade.cmb") + "...",
                          "Combine: After conversion.", "Combine: After actual combine."));
  EXPECT_THAT(view.labels, ElementsAre("Combining...", "Creating " + P("blade.cmb") + "..."));
  EXPECT_THAT(view.published, ElementsAre(true, true));
  EXPECT_TRUE(tp.windows.All().empty()) << "the window stays published after the run";
  EXPECT_THAT(tp.op.Log(), IsEmpty());
}

TEST_F(CombineRun, PlainTextReportIsCopiedThroughTheScratchFile) {
  WriteRaw(tp.File("a.cmm"), "RESULT 1\r\nRESULT 2\r\n");
  const std::string text = "PNT1 1.00000 2.00000\r\n\tindented {x} \\\r\nlast";
  WriteRaw(tp.File("b.txt"), text);
  WriteRaw(tp.File("a.cmb"), "an older combined report\r\n");

  for (const std::string separator : {",", " ", "\t", "=", " , "}) {
    SCOPED_TRACE("separator '" + separator + "'");
    EXPECT_TRUE(Run(P("a.cmm") + separator + P("b.txt")));
    EXPECT_EQ(Read(tp.File("a.cmb")),
              "RESULT 1\r\nRESULT 2\r\nPNT1 1.00000 2.00000\r\n\tindented {x} \\\r\nlast\r\n");
    EXPECT_EQ(Read(tp.File("b.txt")), text);
    EXPECT_THAT(Files(), ElementsAre("a.cmb", "a.cmm", "b.txt", "debug.txt"));
  }
  EXPECT_THAT(tp.op.Log(), IsEmpty());
}

TEST_F(CombineRun, RtfNamedFileHoldingPlainTextIsTakenAsText) {
  WriteRaw(tp.File("a.CMM"), "R\n");
  WriteRaw(tp.File("b.RTF"), "not rich\ntext\n");
  EXPECT_TRUE(Run(P("a.CMM") + "," + P("b.RTF")));
  EXPECT_EQ(Read(tp.File("a.cmb")), "R\r\nnot rich\r\ntext\r\n");
  EXPECT_FALSE(fs::exists(tp.File("b.tmp")));
}

TEST_F(CombineRun, RichTextWithoutTextAddsNothing) {
  WriteRaw(tp.File("a.cmm"), "R\r\n");
  WriteRaw(tp.File("b.rtf"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}}");
  EXPECT_TRUE(Run(P("a.cmm") + "," + P("b.rtf")));
  EXPECT_EQ(Read(tp.File("a.cmb")), "R\r\n");
}

// Runs that must write nothing, with the message shown and the lines logged.
struct Refused {
  const char* what;
  std::string command;  // "%" stands for the test folder
  std::string shown;    // empty: no box
  std::vector<std::string> logTail;
};

void PrintTo(const Refused& r, std::ostream* os) {
  *os << r.what;
}

class CombineRefuses : public CombineRun, public ::testing::WithParamInterface<Refused> {
 protected:
  std::string Expand(std::string text) const {
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at))
      text.replace(at, 1, tp.Folder().string()), at += tp.Folder().string().size();
    return text;
  }
};

TEST_P(CombineRefuses, WritesNothing) {
  WriteRaw(tp.File("a.cmm"), "RESULT\r\n");
  WriteRaw(tp.File("a.txt"), "RESULT\r\n");
  WriteRaw(tp.File("b.txt"), "REPORT\r\n");
  WriteRaw(tp.File("empty.txt"), "");
  fs::create_directory(tp.File("folder.txt"));
  const auto before = Files();
  const std::string command = Expand(GetParam().command);

  EXPECT_FALSE(Run(command));

  EXPECT_EQ(Files(), [&] {
    auto names = before;
    names.insert(std::lower_bound(names.begin(), names.end(), "debug.txt"), "debug.txt");
    return names;
  }());
  EXPECT_EQ(Read(tp.File("a.cmm")), "RESULT\r\n");
  EXPECT_EQ(Read(tp.File("a.txt")), "RESULT\r\n");
  if (GetParam().shown.empty())
    EXPECT_THAT(tp.op.Messages(), IsEmpty());
  else
    EXPECT_THAT(tp.op.Messages(), ElementsAre(GetParam().shown));
  const auto log = Log();
  ASSERT_GE(log.size(), 2 + GetParam().logTail.size());
  EXPECT_EQ(log[0], "Combine Main: Start:");
  EXPECT_EQ(log[1], "Combine: Main: Command Line was: " + command);
  std::vector<std::string> tail(log.begin() + 2, log.end());
  std::vector<std::string> expected;
  for (const auto& line : GetParam().logTail) expected.push_back(Expand(line));
  EXPECT_EQ(tail, expected);
  EXPECT_TRUE(tp.windows.All().empty());
}

const std::string kCallFailed = "Combine Error: Contact System Administrator";
const std::string kFileFailed = "Error in Combine, Contact System Administrator";

INSTANTIATE_TEST_SUITE_P(
    Cases, CombineRefuses,
    ::testing::Values(
        Refused{"empty command line",
                "",
                "",
                {"Combine Error: Combine was called without any command line parameters.  "
                 "Contact System Administrator."}},
        Refused{"one field", "%/a.cmm", kCallFailed, {"Combine Error: Failed with call: %/a.cmm"}},
        Refused{"a path with a blank",
                "%/my a.cmm,%/b.txt",
                kCallFailed,
                {"Combine Error: Failed with call: %/my a.cmm,%/b.txt"}},
        Refused{"blanks only", "   ", kCallFailed, {"Combine Error: Failed with call:    "}},
        Refused{"input 1 not a result file",
                "%/a.txt,%/b.txt",
                kCallFailed,
                {"Combine Error: Failed with call: %/a.txt,%/b.txt"}},
        Refused{"missing input 2",
                "%/a.cmm,%/missing.txt",
                kFileFailed,
                {"%/missing.txt 0 Code 53 file not found.", "Found %/a.cmm",
                 "Combine Error: One of the two files was nonexistent in command: "
                 "%/a.cmm,%/missing.txt"}},
        Refused{"missing input 1 after input 2",
                "%/gone.cmm,%/b.txt",
                kFileFailed,
                {"Found %/b.txt", "%/gone.cmm 0 Code 53 file not found.",
                 "Combine Error: One of the two files was nonexistent in command: "
                 "%/gone.cmm,%/b.txt"}},
        Refused{"empty input 2",
                "%/a.cmm,%/empty.txt",
                kFileFailed,
                {"%/empty.txt 0 Unknown error 0", "Found %/a.cmm",
                 "Combine Error: One of the two files was nonexistent in command: "
                 "%/a.cmm,%/empty.txt"}},
        Refused{"a folder as input 2",
                "%/a.cmm,%/folder.txt",
                kFileFailed,
                {"%/folder.txt 0 Unknown error 75", "Found %/a.cmm",
                 "Combine Error: One of the two files was nonexistent in command: "
                 "%/a.cmm,%/folder.txt"}}));

TEST_F(CombineRun, FailureWhileWritingKeepsTheOlderReportWhole) {
  WriteRaw(tp.File("a.cmm"), "NEW RESULT\r\n");
  WriteRaw(tp.File("b.txt"), "REPORT\r\n");
  WriteRaw(tp.File("a.cmb"), "older combined report\r\n");
  // A folder in the way of the file written before the rename.
  fs::create_directories(tp.File("a.cmb.new") / "keep");

  EXPECT_FALSE(Run(P("a.cmm") + "," + P("b.txt")));

  EXPECT_EQ(Read(tp.File("a.cmb")), "older combined report\r\n");
  EXPECT_FALSE(fs::exists(tp.File("b.tmp"))) << "scratch file left behind";
  EXPECT_TRUE(fs::exists(tp.File("a.cmb.new") / "keep"));
  ASSERT_EQ(tp.op.Messages().size(), 1u);
  const std::string shown = tp.op.Messages()[0];
  EXPECT_THAT(shown, ::testing::StartsWith("Combine Error.  Contact System Administrator\r\n"
                                           "Error Code: "));
  const auto lines = tp.LogLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "05:06:07: Combine Error.  Contact System Administrator");
  EXPECT_THAT(lines.back(), ::testing::MatchesRegex("Error Code: [0-9]+ Error Description: .+"));
  EXPECT_FALSE(tp.LogHas("After actual combine"));
}

TEST_F(CombineRun, LogThatCannotBeWrittenIsReportedOnceAndTheRunGoesOn) {
  fs::create_directory(tp.File("debug.txt"));
  WriteRaw(tp.File("a.cmm"), "R\r\n");
  WriteRaw(tp.File("b.txt"), "T\r\n");

  EXPECT_TRUE(Run(P("a.cmm") + "," + P("b.txt")));

  EXPECT_EQ(Read(tp.File("a.cmb")), "R\r\nT\r\n");
  const auto shown = tp.op.Messages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "A severe error occurred in Combine.  Contact system administrator");
  EXPECT_THAT(shown[1], ::testing::MatchesRegex("Error Code: [0-9]+ Error Description: .+"));
}

TEST_F(CombineRun, FileCheckShowsItsTextUnlessQuiet) {
  Combine combine(tp.context.platform, tp.Folder(), view);
  WriteRaw(tp.File("empty.txt"), "");
  WriteRaw(tp.File("full.txt"), "x");
  EXPECT_TRUE(combine.FileCheck(P("full.txt"), false));
  EXPECT_FALSE(combine.FileCheck(P("none.txt"), false));
  EXPECT_FALSE(combine.FileCheck(P("empty.txt"), false));
  EXPECT_FALSE(combine.FileCheck(P("none.txt"), true));
  EXPECT_THAT(tp.op.Messages(), ElementsAre(P("none.txt") + " 0 Code 53 file not found.",
                                            P("empty.txt") + " 0 Unknown error 0"));
}

TEST(CombineNames, CommandLineFields) {
  using V = std::vector<std::string>;
  EXPECT_EQ(CommandLineFields("a.cmm,b.rtf"), (V{"a.cmm", "b.rtf"}));
  EXPECT_EQ(CommandLineFields("  a.cmm ,,\tb.txt  "), (V{"a.cmm", "b.txt"}));
  EXPECT_EQ(CommandLineFields("a.cmm=b.txt ! a remark, ignored"), (V{"a.cmm", "b.txt"}));
  EXPECT_EQ(CommandLineFields("c:/my files/a.cmm,b.txt"), (V{"c:/my", "files/a.cmm", "b.txt"}));
  EXPECT_EQ(CommandLineFields("!a.cmm,b.txt"), V{});
  EXPECT_EQ(CommandLineFields(""), V{});
}

TEST(CombineNames, OutputAndScratchNames) {
  EXPECT_EQ(CombinedReportName("/r/R1.cmm"), "/r/R1.cmb");
  EXPECT_EQ(CombinedReportName("/r/R1.CMM"), "/r/R1.cmb");
  EXPECT_EQ(CombinedReportName("/old.cmm.d/R1.cmm"), "/old.cmm.d/R1.cmb");

  EXPECT_EQ(ScratchFileName("/r/R1.rtf"), "/r/R1.tmp");
  EXPECT_EQ(ScratchFileName("/r/R1.RTF"), "/r/R1.tmp");
  EXPECT_EQ(ScratchFileName("/r/R1.txt"), "/r/R1.tmp");
  EXPECT_EQ(ScratchFileName("/r/R1.rtf.txt"), "/r/R1.tmp.tmp");
  EXPECT_EQ(ScratchFileName("/x.rtf/y.txt/R1.rtf"), "/x.rtf/y.txt/R1.tmp");
  // Never input 2 itself, which is deleted at the end as the scratch file.
  EXPECT_EQ(ScratchFileName("/r/R1.doc"), "/r/R1.doc.tmp");
  EXPECT_EQ(ScratchFileName("/r/R1.tmp"), "/r/R1.tmp.tmp");
}

}  // namespace
}  // namespace zantrel
