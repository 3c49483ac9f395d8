#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/TextFile.h"
#include "geometry/ConvertPts.h"
#include "geometry/Points.h"
#include "geometry/blMath.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

namespace fs = std::filesystem;

struct Level {
  double z;
  int count;
  double i = 0, j = 0, k = 0;
};

// Points round a circle per level, in the order the levels are given.
std::string PointsText(const std::vector<Level>& levels, const std::string& head = "") {
  std::string text = head;
  for (const Level& l : levels) {
    for (int n = 0; n < l.count; ++n) {
      const double a = n * 2 * 3.14159265358979 / l.count;
      char line[160];
      std::snprintf(line, sizeof line, "%.6f %.6f %.6f %.3f %.3f %.3f\n", 1 + std::cos(a),
                    0.5 * std::sin(a), l.z, l.i, l.j, l.k);
      text += line;
    }
  }
  return text;
}

std::vector<std::string> Lines(const fs::path& file) {
  auto lines = ReadLines(file);
  return lines ? *lines : std::vector<std::string>{};
}

std::vector<std::string> WithPrefix(const std::vector<std::string>& lines, const std::string& p) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.rfind(p, 0) == 0) out.push_back(l);
  return out;
}

class Convert : public ::testing::Test {
 protected:
  // Nominal file, Q used, starting section 1, no nose reset, default offsets, no sorting,
  // no units conversion.
  void Plain(const std::string& start = "input: 1", const std::string& units = "No") {
    tp.op.Answers({"OK", "Yes", "Yes", start, "No", "OK", "OK", "No", "No", units});
  }
  bool Run(const std::string& text) {
    input = tp.Write("blade.pts", text);
    return ConvertPts2(input.string(), progress);
  }
  fs::path Output() const { return tp.File("blade.nom"); }

  TestPlatform tp;
  MemoryProgress progress;
  fs::path input;
};

TEST_F(Convert, LevelsFollowTheFileAndMergeAfterSorting) {
  // 1.00, 1.02, 1.05 step up by at most 0.04: one level; 1.05 lies 0.05 from it.
  Plain();
  ASSERT_TRUE(Run(PointsText({{1.00, 40}, {1.02, 40}, {1.05, 40}, {2.00, 40}})));
  const auto lines = Lines(Output());
  EXPECT_EQ(WithPrefix(lines, "SECTION"),
            (std::vector<std::string>{"SECTION A-A 80 1.01000", "SECTION B-B 40 2.00000"}));
  EXPECT_EQ(WithPrefix(lines, "NUM_SECT"), std::vector<std::string>{"NUM_SECT 2"});
  EXPECT_EQ(tp.op.Messages().front(), "Sections found in file: 2");
  EXPECT_FALSE(fs::exists(tp.File("blade.tmp")));  // the working file is gone
  ASSERT_FALSE(tp.shell.calls.empty());
  EXPECT_EQ(tp.shell.calls.back().file, Output().string());
}

TEST_F(Convert, ASecondPassOverAHeightIsOneLevel) {
  Plain();
  ASSERT_TRUE(Run(PointsText({{1.0, 40}, {2.0, 40}, {1.01, 40}})));
  EXPECT_EQ(WithPrefix(Lines(Output()), "SECTION"),
            (std::vector<std::string>{"SECTION A-A 80 1.00500", "SECTION B-B 40 2.00000"}));
}

TEST_F(Convert, FortyThirtyNineTwentyNine) {
  Plain();
  ASSERT_TRUE(Run(PointsText({{1, 40}, {2, 39}, {3, 29}, {4, 45}})));
  const auto messages = tp.op.Messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[1],
            "Points file converter found less than forty points in section 2 A well defined "
            "section contains at least forty or more points.  There is an absolute minimum of "
            "thirty points.  Please reconsider the section definition.");
  EXPECT_EQ(messages[2],
            "Points file converter found less than thirty points in section 3 (The section will "
            "be ignored).");
  EXPECT_EQ(messages[3], "Finished file conversion. Opening file to check conversion.");
  const auto lines = Lines(Output());
  // The label numbering advances past the ignored section; only written sections count.
  EXPECT_EQ(WithPrefix(lines, "SECTION"),
            (std::vector<std::string>{"SECTION A-A 40 1.00000", "SECTION B-B 39 2.00000",
                                      "SECTION D-D 45 4.00000"}));
  EXPECT_EQ(WithPrefix(lines, "NUM_SECT"), std::vector<std::string>{"NUM_SECT 3"});
}

TEST_F(Convert, SectionLabels) {
  tp.op.Answer("Yes");
  const auto all = BuildSectionLabels();
  ASSERT_EQ(all.size(), 72u);
  EXPECT_EQ(all[8], "J-J");
  EXPECT_EQ(all[24], "AA-AA");
  EXPECT_EQ(all.back(), "BZ-BZ");
  tp.op.Answer("No");
  const auto noQ = BuildSectionLabels();
  ASSERT_EQ(noQ.size(), 69u);
  EXPECT_EQ(noQ[14], "R-R");
  for (const auto& label : noQ) EXPECT_EQ(label.find_first_of("IOQ"), std::string::npos) << label;
  EXPECT_EQ(tp.op.Questions().back(), "Is the letter 'Q' used in the section naming scheme?");
}

TEST_F(Convert, StartingSectionAndLabelsRunningOut) {
  Plain("input: 3");
  ASSERT_TRUE(Run(PointsText({{1, 40}})));
  EXPECT_EQ(WithPrefix(Lines(Output()), "SECTION"),
            std::vector<std::string>{"SECTION C-C 40 1.00000"});

  tp.op.Clear();
  Plain("input: 72");  // the last label, then none for the second section
  ASSERT_TRUE(Run(PointsText({{1, 40}, {2, 40}})));
  EXPECT_EQ(WithPrefix(Lines(Output()), "SECTION"),
            std::vector<std::string>{"SECTION BZ-BZ 40 1.00000"});
  EXPECT_TRUE(
      tp.op.Shows("No section label is left for section 2 (The section will be left out)."));
  EXPECT_EQ(WithPrefix(Lines(Output()), "NUM_SECT"), std::vector<std::string>{"NUM_SECT 1"});
  EXPECT_TRUE(fs::exists(BackupName(Output().string())));  // the previous output kept
}

TEST_F(Convert, StartingSectionIsAskedAgainOnceThenAbandoned) {
  tp.op.Answers({"OK", "Yes", "Yes", "input: two", "input: 2", "No", "OK", "OK", "No", "No", "No"});
  ASSERT_TRUE(Run(PointsText({{1, 40}})));
  EXPECT_EQ(WithPrefix(Lines(Output()), "SECTION"),
            std::vector<std::string>{"SECTION B-B 40 1.00000"});

  tp.op.Answers({"OK", "Yes", "Yes", "input: two", "input: "});
  fs::remove(Output());
  EXPECT_FALSE(Run(PointsText({{1, 40}})));
  EXPECT_EQ(tp.op.Questions().back(),
            "Please RE-ENTER the starting section number as an INTEGER, (1=A-A, 2=B-B, etc).");
  tp.op.Answers({"OK", "Yes", "Yes", "Cancel"});
  EXPECT_FALSE(Run(PointsText({{1, 40}})));
  EXPECT_FALSE(fs::exists(Output()));
  EXPECT_EQ(tp.op.Pending(), 0u);
}

TEST_F(Convert, InchToMillimetre) {
  Plain("input: 1", "Yes");
  ASSERT_TRUE(Run(PointsText({{1, 40, 0, 0, 0}, {2, 40, 0.6, -0.8, 0}})));
  const auto lines = Lines(Output());
  EXPECT_EQ(lines[0], "UNITS MM");
  EXPECT_EQ(WithPrefix(lines, "SECTION"),
            (std::vector<std::string>{"SECTION A-A 40 25.40000", "SECTION B-B 40 50.80000"}));
  EXPECT_EQ(WithPrefix(lines, "OFFSETS"),
            (std::vector<std::string>{"OFFSETS 5.08 5.08", "OFFSETS 5.08 5.08"}));
  EXPECT_EQ(tp.op.Questions().back(),
            "Current units are INCHES.  Would you like to convert to MM?");
  // The point lines, in reverse file order: (1 + cos 0, 0, z) comes last.
  const auto first = std::find(lines.begin(), lines.end(), "OFFSETS 5.08 5.08");
  ASSERT_NE(first, lines.end());
  EXPECT_EQ(*(first + 40), "50.80000   0.00000   25.40000   ");  // i = j = k = 0: three numbers
  EXPECT_EQ(lines.back(), "50.80000   0.00000   50.80000   0.60000   -0.80000   0.00000   ");
}

TEST_F(Convert, MetricQuestionsAndFailures) {
  // A first height above 50 asks even when the file says METRIC.
  tp.op.Answers({"OK", "Yes", "Yes", "Yes", "input: 1", "No", "OK", "OK", "No", "No", "Yes"});
  ASSERT_TRUE(Run(PointsText({{120, 40}}, "! METRIC\nUNITS METRIC\n")));
  auto questions = tp.op.Questions();
  EXPECT_EQ(questions[3], "Is this file METRIC?");
  EXPECT_EQ(questions.back(), "Current units are MM.  Would you like to convert to INCHES?");
  const auto lines = Lines(Output());
  EXPECT_EQ(lines[0], "UNITS INCH");
  EXPECT_EQ(WithPrefix(lines, "SECTION"), std::vector<std::string>{"SECTION A-A 40 4.72441"});
  EXPECT_EQ(WithPrefix(lines, "OFFSETS"), std::vector<std::string>{"OFFSETS 0.2 0.2"});

  tp.op.Clear();
  tp.op.Answers({"OK", "Yes", "Yes"});
  EXPECT_FALSE(Run(PointsText({{1, 39}})));
  EXPECT_EQ(tp.op.Messages(), std::vector<std::string>{
                                  "Conversion acquired less than 40 points.  Conversion failed."});

  tp.op.Clear();
  tp.op.Answer("Cancel");
  fs::remove(Output());
  EXPECT_FALSE(Run(PointsText({{1, 40}})));
  EXPECT_EQ(tp.op.Questions(),
            std::vector<std::string>{input.string() + " is about to be converted.  Please check "
                                                      "file after conversion for accuracy."});
  EXPECT_FALSE(fs::exists(Output()));

  tp.op.Clear();
  tp.op.Answers({"OK", "Yes", "Yes", "input: 1", "No", "OK", "OK", "No", "No", "No"});
  EXPECT_FALSE(Run(PointsText({{1, 20}, {2, 25}})));  // no section of 30 points
  EXPECT_EQ(tp.op.Messages().back(),
            "No section of thirty or more points was found.  Conversion failed.");
  EXPECT_FALSE(fs::exists(Output()));
}

TEST_F(Convert, ReportKindAsksForItsHeader) {
  tp.op.Answers({"OK", "No", "Yes", "input: 1", "No", "OK", "OK", "No", "No", "No",
                 "file: /parts/x.flv", "input:  Blade 7 ", "file: /parts/x.nom",
                 "file: /parts/x.tol", "OK"});
  ASSERT_TRUE(Run(PointsText({{1, 40}, {2, 40}})));
  const auto lines = Lines(tp.File("blade.rpt"));
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(
      std::vector<std::string>(lines.begin(), lines.begin() + 8),
      (std::vector<std::string>{"FLAVOR /parts/x.flv", "PART Blade 7", "DATE 03/04/26 05:06:07",
                                "NOMINAL /parts/x.nom", "TOLERANCE /parts/x.tol", "RADIUS 0.03947",
                                "NUM_SECT 2", "SECTION A-A 40"}));
  EXPECT_TRUE(WithPrefix(lines, "NOSE").empty());
  const auto log = tp.op.Log();
  const auto flavor = std::find_if(log.begin(), log.end(),
                                   [](const auto& s) { return s.title == "Select Flavor File"; });
  ASSERT_NE(flavor, log.end());
  EXPECT_NE(flavor->text.find("Flavor Files (*.flv)|*.flv"), std::string::npos);
}

TEST_F(Convert, TextFileCommandAsksForTheFile) {
  tp.op.Answer("Cancel");
  EXPECT_FALSE(ConvertTextFile(progress));
  ASSERT_EQ(tp.op.Log().size(), 1u);
  EXPECT_EQ(tp.op.Log()[0].title, "Select File");
  EXPECT_NE(tp.op.Log()[0].text.find(
                "Text Files (*.txt;*.csv;*.rtf;*.dat;*.pts)|*.txt;*.csv;*.rtf;*.dat;*.pts|Actual "
                "Files(*.rpt;*.as;*.ma)|*.rpt;*.as;*.ma|Nominal "
                "Files(*.nom;*.xyz;*.ua;*.uaf;*.dat;*.pts)|*.nom;*.xyz;*.ua;*.uaf;*.dat;*.pts|All "
                "Files (*.*)|*.*"),
            std::string::npos);

  tp.Write("blade.pts", PointsText({{1, 40}}));
  tp.op.Answer("file: " + tp.File("blade.pts").string());
  Plain();
  EXPECT_TRUE(ConvertTextFile(progress));
  EXPECT_TRUE(fs::exists(Output()));
}

TEST(ConvertOutputPath, ReplacesOnlyTheExtension) {
  EXPECT_EQ(ConvertOutputPath("/data/pts/Blade.PTS", "nom"), "/data/pts/Blade.nom");
  EXPECT_EQ(ConvertOutputPath("/data/v1.2/blade", "nom"), "/data/v1.2/blade.nom");
  EXPECT_EQ(ConvertOutputPath("C:\\parts\\a.xyz", "tmp"), "C:\\parts\\a.tmp");
}

// The realistic file: five sections of 300 to 380 points, scrambled within each section.
TEST(ConvertRealistic, FullSortGivesContoursFromTheNose) {
  TestPlatform tp(0);
  const fs::path input = tp.File("blade.pts");
  fs::copy_file(fs::path(ZANTREL_FIXTURES) / "geometry" / "blade.pts", input);
  tp.op.Answers({"OK", "Yes", "No", "input: 1", "Yes", "Yes", "OK", "OK", "Yes", "No"});
  MemoryProgress progress;
  ASSERT_TRUE(ConvertPts2(input.string(), progress));
  EXPECT_EQ(tp.op.Questions(),
            (std::vector<std::string>{
                input.string() +
                    " is about to be converted.  Please check file after conversion for accuracy.",
                "Convert file to nominal file (YES) or report file (NO)?",
                "Is the letter 'Q' used in the section naming scheme?",
                "Enter the starting section as a number, (1=A-A, 2=B-B, etc).",
                "Reset nose point to point 1?",
                "Is point 1 closest to the NOSE of the airfoil (YES), or TAIL (NO)?",
                "Enter LE Offset Value in current units (MM/INCH)",
                "Enter TE Offset Value in current units (MM/INCH)",
                "Would you like to full sort sections",
                "Current units are INCHES.  Would you like to convert to MM?"}));
  EXPECT_EQ(tp.op.Messages(), (std::vector<std::string>{
                                  "Sections found in file: 5",
                                  "Finished file conversion. Opening file to check conversion."}));

  const fs::path fixture = fs::path(ZANTREL_FIXTURES) / "geometry" / "blade.nom";
  if (std::getenv("ZANTREL_UPDATE_FIXTURES")) {
    fs::copy_file(tp.File("blade.nom"), fixture, fs::copy_options::overwrite_existing);
  }
  const auto lines = Lines(tp.File("blade.nom"));
  const auto expected = Lines(fixture);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(lines[0], "UNITS INCH");
  EXPECT_EQ(lines[1], "NUM_SECT 5");

  // Read the sections back as the nominal reader sees them.
  std::vector<ijk> sections;
  std::vector<std::string> labels;
  for (const auto& line : lines) {
    const auto words = Tokenize(std::string_view(line));
    if (words.empty()) continue;
    if (words[0] == "SECTION") {
      ASSERT_EQ(words.size(), 4u) << line;
      labels.push_back(words[1]);
      sections.emplace_back();
    } else if ((words.size() == 3 || words.size() == 6) && ToDouble(words[0])) {
      ASSERT_FALSE(sections.empty());
      const bool vector = words.size() == 6;
      sections.back().Add(std::stod(words[0]), std::stod(words[1]), std::stod(words[2]),
                          vector ? std::stod(words[3]) : 0, vector ? std::stod(words[4]) : 0,
                          vector ? std::stod(words[5]) : 0);
    }
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"A-A", "B-B", "C-C", "D-D", "E-E"}));
  const long counts[] = {300, 320, 340, 360, 380};
  ASSERT_EQ(sections.size(), 5u);
  for (size_t s = 0; s < sections.size(); ++s) {
    const ijk& section = sections[s];
    const long n = section.Count();
    EXPECT_EQ(n, counts[s]) << labels[s];
    // Contour order: every step is short, the way round closes, and it never doubles back.
    double longest = 0;
    for (long m = 1; m <= n; ++m) {
      const points& a = section.Item(m);
      const points& b = section.Item(m % n + 1);
      longest = std::max(longest, std::hypot(a.x - b.x, a.y - b.y));
    }
    EXPECT_LT(longest, 0.025) << labels[s];
    // The nose is point 1: the end of the longest chord nearer the round leading edge, which
    // lies at negative x in every section.
    long nose = 1, tail = 0;
    GetNoseTail(section, nose, tail);
    EXPECT_EQ(nose, 1) << labels[s];
    EXPECT_LT(section.Item(1).x, -0.7) << labels[s];
    EXPECT_GT(section.Item(tail).x, 0.7) << labels[s];
    // Outward normals carried through: the walk's first step turns with them.
    EXPECT_NE(section.Item(1).i, 0) << labels[s];
  }
}

}  // namespace
}  // namespace zantrel
