#include "bladefiles/NominalFile.h"

#include <cmath>
#include <filesystem>
#include <sstream>

#include "BladeTest.h"
#include "bladefiles/BladeTxt.h"
#include "foundation/FileOps.h"
#include "geometry/Points.h"

namespace zantrel {
namespace {

// An ellipse of n points starting at the smallest x, 2 long and 0.5 wide, at height z.
std::string Ellipse(int n, double z, int fields = 3, double width = 0.5) {
  std::ostringstream out;
  out.precision(10);
  for (int k = 0; k < n; ++k) {
    double t = 3.14159265358979 + 2 * 3.14159265358979 * k / n;
    double x = 2 * std::cos(t), y = width * std::sin(t);
    if (std::fabs(y) < 1e-12) y = 0;  // no "-0.00000" at the ends
    out << x << " " << y << " " << z;
    if (fields >= 5) out << " 0 0";
    if (fields == 8) out << " 1";
    out << "\n";
  }
  return out.str();
}

std::string Section(const std::string& label, double z, const std::string& extra = "",
                    int points = 40) {
  return "SECTION " + label + " " + std::to_string(points) + " " + std::to_string(z) + "\n" +
         extra + Ellipse(points, z);
}

class Nominals : public BladeTest {
 protected:
  void SetUp() override { UsePart("P1"); }
  void Select(std::initializer_list<const char*> labels, int count = -1) {
    int n = 0;
    for (const char* label : labels) {
      ++n;
      Zone().SectionName[n] = label;
      Zone().SectionSelected[n] = true;
    }
    Zone().SectionCount = count < 0 ? n : count;
  }
  std::vector<std::string> BladeLines() {
    return ReadLines(NativePath(BladeTxtPath())).value_or(std::vector<std::string>{});
  }
};

TEST_F(Nominals, NomModeDecidesBetweenNomAndUa) {
  struct Case {
    std::string mode;
    std::vector<std::string> files;
    std::string nomExt;
    std::string tolExt;
  };
  const Case cases[] = {
      {"OEM", {"P1.nom", "P1.ua", "P1.tol", "P1.te"}, ".ua", ".te"},
      {"QUENBY", {"P1.nom", "P1.ua", "P1.tol", "P1.te"}, ".nom", ".tol"},
      {"oem", {"P1.nom", "P1.tol"}, ".nom", ".tol"},
      {"SOMETHING", {"P1.nom", "P1.ua", "P1.tol", "P1.te"}, ".nom", ".tol"},
      {"", {"P1.ua", "P1.te"}, ".ua", ".te"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(tp.Folder() / "blades");
    tp.Write("zantrel.ini", c.mode.empty() ? "" : "NOM_MODE = " + c.mode);
    for (const auto& file : c.files) Part("P1", file, "x");
    ASSERT_TRUE(NomsExist(blade, "P1", "P1")) << c.mode;
    EXPECT_EQ(Zone().NomExt, c.nomExt) << c.mode;
    EXPECT_EQ(Zone().TolExt, c.tolExt) << c.mode;
  }
}

TEST_F(Nominals, MissingNominalOrToleranceFiles) {
  EXPECT_FALSE(NomsExist(blade, "P1", "T1"));
  Part("P1", "P1.nom", "x");
  EXPECT_FALSE(NomsExist(blade, "P1", "T1"));
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                "Nominal files not found in " + PartPath("P1", "P1") + ".",
                "Tolerance files not found in " + PartPath("P1", "T1") + " (tol or te)."}));
  EXPECT_EQ(Zone().NomExt, "");
}

TEST_F(Nominals, PointLineFieldCounts) {
  struct Case {
    int fields;
    bool ok;
  };
  for (const Case& c : {Case{3, true}, Case{4, false}, Case{5, true}, Case{6, true}, Case{7, false},
                        Case{8, true}}) {
    tp.op.Clear();
    std::string point = "1.5 0.25 3";
    for (int f = 3; f < c.fields; ++f) point += " 0.5";
    const std::string path = Part("P1", "P1.nom", "NUM_SECT 1\n" + Section("A", 3, point + "\n"));
    Select({"A"});
    EXPECT_EQ(ReadNOMfile3(blade, path, false), c.ok) << c.fields;
    if (!c.ok) {
      EXPECT_EQ(Messages(), (std::vector<std::string>{
                                "Line read error in nominal file " + path + " section number 1.",
                                "Line: " + point}))
          << c.fields;
    }
  }
}

TEST_F(Nominals, KeywordLineErrors) {
  struct Case {
    std::string line;
    std::string text;
  };
  const Case cases[] = {
      {"SECTION A", "SECTION line read error in nominal file"},
      {"SECTION A 40 1 2 3 4", "SECTION line read error in nominal file"},
      {"NOSE", "NOSE line read error in nominal file"},
      {"NOSE 1 2 PARTIAL x y", "NOSE line read error in nominal file"},
      {"TAIL one", "TAIL line read error in nominal file"},
      {"OFFSETS 0.1", "CHANGES(OFFSETS) line read error in nominal file"},
      {"CHANGES 0.1 zero", "CHANGES(OFFSETS) line read error in nominal file"},
      {"NOSE 50", "NOSE line read error in nominal file"},  // no such point
      {"TAIL 1 99 PARTIAL", "TAIL line read error in nominal file"},
  };
  for (const Case& c : cases) {
    tp.op.Clear();
    const bool sectionLine = c.line.rfind("SECTION", 0) == 0;
    const std::string text = "NUM_SECT 1\n" + (sectionLine ? c.line + "\n" + Ellipse(40, 1)
                                                           : Section("A", 1, c.line + "\n"));
    const std::string path = Part("P1", "P1.nom", text);
    Select({"A"});
    EXPECT_FALSE(ReadNOMfile3(blade, path, false)) << c.line;
    EXPECT_EQ(Messages(), std::vector<std::string>{c.text + " " + path + " section number 1."})
        << c.line;
  }
  tp.op.Clear();
  const std::string path = Part("P1", "P1.nom", "UNITS INCH\n" + Section("A", 1));
  EXPECT_FALSE(ReadNOMfile3(blade, path, false));
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"NUM_SECT line read error in nominal file " + path + "."});
}

TEST_F(Nominals, RangeNoseTakesThePointNearestItsMiddle) {
  // Points 12 and 18 lie either side of point 15 on a 40-point circle turned by 14 points.
  std::string points;
  {
    std::istringstream all(Ellipse(40, 2, 3, 2));
    std::vector<std::string> lines;
    for (std::string line; std::getline(all, line);) lines.push_back(line);
    for (int k = 0; k < 40; ++k) points += lines[(k + 26) % 40] + "\n";
  }
  const std::string path =
      Part("P1", "P1.nom", "NUM_SECT 1\nSECTION A 40 2\nNOSE 12 18 PARTIAL\n" + points);
  Select({"A"});
  ASSERT_TRUE(ReadNOMfile3(blade, path, false));
  EXPECT_TRUE(tp.LogHas("Npt was 0 and NoseFound was True"));
  EXPECT_TRUE(tp.LogHas("ClosestXY found: 15 "));
  // The partial nose is written as its two range points.
  std::istringstream all(points);
  std::vector<std::string> lines;
  for (std::string line; std::getline(all, line);) lines.push_back(line);
  const auto written = BladeLines();
  ASSERT_EQ(written.size(), 3u);
  EXPECT_NE(written[0].find("PARTIAL"), std::string::npos);
  EXPECT_EQ(written[0].rfind(FormatCoord(std::stod(lines[11])) + "   ", 0), 0u) << written[0];
  EXPECT_EQ(written[1].rfind(FormatCoord(std::stod(lines[17])) + "   ", 0), 0u) << written[1];
}

TEST_F(Nominals, OnlySelectedSectionsAreWritten) {
  const std::string path = Part("P1", "P1.nom",
                                "UNITS INCH\nNUM_SECT 3\n" + Section("A", 1, "OFFSETS 0.1 0.2\n") +
                                    Section("B", 2) + Section("C", 3));
  Select({"A", "B", "C"});
  Zone().SectionSelected[2] = false;
  ASSERT_TRUE(ReadNOMfile3(blade, path, false));
  const auto lines = BladeLines();
  ASSERT_EQ(lines.size(), 4u);
  for (const auto& line : lines) EXPECT_NE(Tokenize(std::string_view(line))[2], "2.00000") << line;
  EXPECT_TRUE(tp.LogHas("Section not selected: B"));
}

TEST_F(Nominals, VerificationAgainstTheToleranceFile) {
  std::string six = "NUM_SECT 6\n";
  for (const char* label : {"A", "B", "C", "D", "E", "F"}) six += Section(label, 1);
  const std::string path = Part("P1", "P1.nom", six);
  Zone().TolExt = ".tol";
  Part("P1", "P1.tol", "NUM_SECT 5\nSECTION A\nSECTION B\nSECTION C\nSECTION D\nSECTION E\n");
  Select({"A", "B", "C", "D", "E"});
  EXPECT_FALSE(ReadNOMfile3(blade, path, true));
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Nominal file sections (6) and tolerance file sections (5) are not "
                            "equal."});

  tp.op.Clear();
  Part("P1", "P1.tol",
       "NUM_SECT 6\nSECTION A\nSECTION B\nSECTION C\nSECTION D\nSECTION E\nSECTION G\n");
  Select({"A", "B", "C", "D", "E", "G"});
  EXPECT_FALSE(ReadNOMfile3(blade, path, true));
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Nominal file section labels (6) and tolerance file section labels "
                            "(6) aren't equal."});

  tp.op.Clear();
  Part("P1", "P1.tol",
       "NUM_SECT 6\nSECTION A\nSECTION B\nSECTION C\nSECTION D\nSECTION E\nSECTION F\n");
  EXPECT_TRUE(ReadNOMfile3(blade, path, true));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Nominals, UaFilesAreReadSectionBySection) {
  std::string ua;
  for (int n = 1; n <= 9; ++n) ua += "HEADER LINE " + std::to_string(n) + "\n";
  ua += "NUMBER OF SECTIONS : 2\nNUMBER OF POINTS: 40\nHEADER 12\nHEADER 13\nBEGIN\n";
  for (const char* label : {"R1", "R2"}) {
    ua += std::string("SECTION NAME : ") + label + "\nskip1\nskip2\nskip3\nskip4\nskip5\n";
    std::istringstream points(Ellipse(40, label[1] == '1' ? 1 : 2));
    for (std::string line; std::getline(points, line);) ua += line + "\t0 0 1\t9\n";
    ua += "END SECTION\n";
  }
  const std::string path = Part("P1", "P1.ua", ua);
  Select({"R2"}, 2);
  Zone().SectionName[2] = "R1";
  auto labels = ReadUAfile(blade, path);
  ASSERT_TRUE(labels);
  EXPECT_EQ(*labels, (std::vector<std::string>{"R1", "R2"}));
  const auto lines = BladeLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "-2.00000   0.00000   2.00000   0.00000   0.00000   1.00000   FULL");
  EXPECT_EQ(lines[1], "2.00000   0.00000   2.00000   0.00000   0.00000   1.00000   FULL");

  Select({"R2"}, 3);
  EXPECT_FALSE(ReadUAfile(blade, path));
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Nominal file sections (2) and tolerance file sections (3) are not "
                            "equal."});
  tp.op.Clear();
  const std::string bad = Part("P1", "bad.ua", "only\nthree\nlines\n");
  EXPECT_FALSE(ReadUAfile(blade, bad));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Error Reading UA file " + bad});
}

}  // namespace
}  // namespace zantrel

namespace zantrel {
namespace {

// A part folder holding only a points file: two sections of 48 points, one per height.
std::string PointsFile() {
  std::string text;
  for (double z : {1.0, 2.0}) {
    std::istringstream points(Ellipse(48, z, 3, 0.6));
    for (std::string line; std::getline(points, line);) {
      Words words = Tokenize(std::string_view(line));
      for (const auto& word : words) text += FormatCoord(std::stod(word)) + "   ";
      text += "\n";
    }
  }
  return text;
}

TEST_F(Nominals, PointsFileBecomesANominalFileAndGoesToTheNetwork) {
  Part("P1", "P1.pts", PointsFile());
  Part("P1", "P1.tol", "NUM_SECT 2\nSECTION A-A DEFAULT\nSECTION B-B DEFAULT\n");
  // The configured blades folder on a network drive.
  tp.drives.SetDrive('W', (tp.Folder() / "net").string(), DriveType::Remote);
  std::filesystem::create_directories(tp.Folder() / "net" / "blades" / "P1");
  blade.configuredBlades = (tp.Folder() / "net" / "blades").string();
  tp.op.Answers(
      {"OK", "Yes", "Yes", "input: 1", "No", "input: 0.02", "input: 0.03", "No", "No", "No"});

  ASSERT_TRUE(NomsExist(blade, "P1", "P1"));
  EXPECT_EQ(Zone().NomExt, ".nom");
  EXPECT_EQ(tp.op.Pending(), 0u);
  const std::string nominal = PartPath("P1", "P1.nom");
  EXPECT_EQ(Content((tp.Folder() / "net" / "blades" / "P1" / "P1.nom").string()), Content(nominal));

  // The new file reads back with both sections.
  Select({"A-A", "B-B"});
  Zone().TolExt = ".tol";
  EXPECT_TRUE(ReadNOMfile3(blade, nominal, true)) << JoinList(Messages());
  EXPECT_EQ(BladeLines().size(), 4u);

  // Once converted, the points file is left alone.
  tp.op.Clear();
  EXPECT_TRUE(NomsExist(blade, "P1", "P1"));
  EXPECT_TRUE(tp.op.Log().empty());
}

}  // namespace
}  // namespace zantrel
