// The demo parts as the demo and the end-to-end runs use them: every definition file reads,
// and blade.txt of the default operation probes points on the nominal sections.
#include "DemoPart.h"
#include "bladefiles/BladeTxt.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"

namespace zantrel {
namespace {

TEST_F(DemoPart, DefaultOperationProbesPointsOnTheNominalSections) {
  ASSERT_TRUE(Measure("Demo"));
  EXPECT_EQ(Messages(), std::vector<std::string>{});
  EXPECT_EQ(Zone().Programs, std::vector<std::string>{"blade"});
  EXPECT_EQ(Zone().Flavor, "QUENBY1");
  EXPECT_EQ(Zone().FlavorCalcs->size(), 9u);
  EXPECT_EQ(Zone().NomExt, ".nom");

  // The operation names A-D although the tolerance file defaults A, C and E.
  std::vector<std::string> selected;
  for (int n = 1; n <= Zone().SectionCount; ++n)
    if (Zone().SectionSelected[n]) selected.push_back(Zone().SectionName[n]);
  EXPECT_EQ(selected, (std::vector<std::string>{"A-A", "B-B", "C-C", "D-D"}));

  const auto sections = ReadDemoSections(PartPath("Demo", "Demo.nom"));
  ASSERT_EQ(sections.size(), 5u);
  const auto lines = ReadLines(NativePath(BladeTxtPath())).value();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "PART Demo");
  EXPECT_EQ(lines[1], "FIXTURE_LOCATION 1");
  EXPECT_EQ(lines[2], "PLATFORM_CHECK 0");
  EXPECT_EQ(lines[3], "NUMBER_OF_SECTIONS 4");
  int pointLines = 0, offsetLines = 0;
  std::vector<int> perSection(5, 0);
  for (size_t n = 4; n < lines.size(); ++n) {
    Words words = Tokenize(std::string_view(lines[n]));
    if (words[0] == "LE_CHANGE" || words[0] == "TE_CHANGE") {
      ++offsetLines;
      continue;
    }
    ASSERT_GE(words.size(), 6u) << lines[n];
    ++pointLines;
    const double x = *ToDouble(words[0]), y = *ToDouble(words[1]), z = *ToDouble(words[2]);
    int on = -1;
    for (size_t s = 0; s < sections.size(); ++s) {
      if (DistanceToProfile(sections[s], x, y, z) < 2e-5) on = static_cast<int>(s);
    }
    ASSERT_GE(on, 0) << "not on a nominal section: " << lines[n];
    ++perSection[on];
  }
  EXPECT_EQ(offsetLines, 8);  // LE and TE of the four sections
  // A-A: eight arc positions; B-B: its partial nose range and the tail; C-C: six arc
  // positions; D-D: no definition line, so nose and tail; E-E is not measured.
  EXPECT_EQ(perSection, (std::vector<int>{8, 3, 6, 2, 0}));
  EXPECT_EQ(pointLines, 19);
}

TEST_F(DemoPart, ReworkOperationUsesItsOwnNominalAndTolerance) {
  ASSERT_TRUE(Measure("Demo", 1));
  EXPECT_EQ(Messages(), std::vector<std::string>{});
  EXPECT_EQ(Zone().NomName, "DemoRework");
  EXPECT_EQ(Zone().TolName, "DemoRework");
  EXPECT_EQ(Zone().Programs, (std::vector<std::string>{"blade", "rework_check"}));
  EXPECT_EQ(Zone().SectionCount, 3);
  EXPECT_EQ(Zone().SelectedCount(), 3);
}

TEST_F(DemoPart, UaPartWithTeTolerances) {
  ASSERT_TRUE(Measure("DemoUA"));
  EXPECT_EQ(Messages(), std::vector<std::string>{});
  EXPECT_EQ(Zone().NomExt, ".ua");
  EXPECT_EQ(Zone().TolExt, ".te");
  EXPECT_EQ(Zone().SectionCount, 3);
  EXPECT_EQ(Zone().SelectedCount(), 2);  // R2 is not inspected by default
  const auto lines = ReadLines(NativePath(BladeTxtPath())).value();
  EXPECT_EQ(lines[3], "NUMBER_OF_SECTIONS 2");
  EXPECT_EQ(lines.size(), 4u + 4u);  // nose and tail of R1 and R3
}

}  // namespace
}  // namespace zantrel
