#include "bladefiles/OperationFile.h"

#include "BladeTest.h"

namespace zantrel {
namespace {

const char* const kOperations =
    "! operations of part P1\n"
    "operation Final   Inspection\n"
    "blade gen.prg QUENBY1.flv A C\n"
    "Operation = Rework\n"
    "usetrim true\n"
    "operation Routines\n"
    "meas1.prg meas2\n"
    " blade x y\n"
    "$$ operation in a comment does not end the block\n"
    "OPERATION Two Step\n"
    "stepA\n"
    "operation2\n"
    "stepB\n"
    "operation NoTrim\n"
    "UseTrim FALSE\n"
    "norptblade\n"
    "last1\n";

class Operations : public BladeTest {
 protected:
  void SetUp() override {
    path = Part("P1", "P1.op", kOperations);
    UsePart("P1");
  }
  bool Resolve(const std::string& operation) {
    Zone().Operation = operation;
    Zone().Programs.reset();
    Zone().Flavor.clear();
    return cparseOP(blade);
  }
  std::string path;
};

TEST_F(Operations, ParseOPListsEveryOperation) {
  EXPECT_EQ(parseOP(path), (std::vector<std::string>{"Final Inspection", "Rework", "Routines",
                                                     "Two Step", "NoTrim"}));
}

TEST_F(Operations, BlocksResolveIntoProgramsFlavorAndSections) {
  using List = std::optional<std::vector<std::string>>;
  struct Case {
    std::string operation;
    bool result;
    List programs;
    std::string flavor;
    List sections;
    int trim;
  };
  const Case cases[] = {
      {"final inspection", true, List{{"gen.prg"}}, "QUENBY1", List{{"A", "C"}}, 0},
      // A block of only "usetrim" resolves nothing, but the override holds.
      {"Rework", false, std::nullopt, "", std::nullopt, 1},
      // An indented keyword is a routine line; extensions are dropped.
      {"Routines", true, List{{"meas1", "meas2", "blade", "x", "y"}}, "", std::nullopt, 0},
      // "operation2" holds the word operation and ends the block.
      {"Two Step", true, List{{"stepA"}}, "", std::nullopt, 0},
      // The last operation runs to the end of the file.
      {"NoTrim", true, List{{"last1"}}, "", std::nullopt, 2},
      {"Unknown", true, std::nullopt, "", std::nullopt, 0},
  };
  for (const Case& c : cases) {
    blade.zones.trimOverride = 7;
    Zone().OpSections = std::vector<std::string>{"stale"};
    EXPECT_EQ(Resolve(c.operation), c.result) << c.operation;
    EXPECT_EQ(Zone().Programs, c.programs) << c.operation;
    EXPECT_EQ(Zone().Flavor, c.flavor) << c.operation;
    EXPECT_EQ(Zone().OpSections, c.sections) << c.operation;
    EXPECT_EQ(blade.zones.trimOverride, c.trim) << c.operation;
  }
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(blade.zones.noBladeReport);  // set by NoTrim, never cleared
  EXPECT_TRUE(tp.LogHas("cparseOp: Found section C"));
}

TEST_F(Operations, ShortKeywordLinesFail) {
  Part("P1", "P1.op",
       "operation Short Blade\nfirst\nblade gen\n"
       "operation Short Nomtol\nnomtol only\n");
  EXPECT_FALSE(Resolve("Short Blade"));
  EXPECT_EQ(Zone().Programs, std::vector<std::string>{"first"});  // earlier lines stay
  EXPECT_FALSE(Resolve("Short Nomtol"));
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                "Blade operation (Keyword BLADE) in operation file is missing the Kormet generic "
                "blade program name, or the flavor file.",
                "Nominal tolerance reset in operation file failed with no data."}));
}

TEST_F(Operations, NomtolReplacesTheFileNames) {
  Part("P1", "P1.op", "operation Rework\nnomtol rework_nom.nom rework_tol\nrework1 rework2\n");
  Part("P1", "rework_nom.nom", "NUM_SECT 1");
  Part("P1", "rework_tol.tol", "NUM_SECT 1");
  EXPECT_TRUE(Resolve("Rework"));
  EXPECT_EQ(Zone().NomName, "rework_nom");
  EXPECT_EQ(Zone().TolName, "rework_tol");
  EXPECT_EQ(Zone().NomExt, ".nom");
  EXPECT_EQ(Zone().TolExt, ".tol");
  EXPECT_EQ(Zone().Programs, (std::vector<std::string>{"rework1", "rework2"}));
  EXPECT_TRUE(tp.LogHas("cparseOP: Reset nomtol"));

  // Missing files are reported, and the operation still resolves.
  Part("P1", "P1.op", "operation Rework\nnomtol gone_nom gone_tol\nrework1\n");
  EXPECT_TRUE(Resolve("Rework"));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Nominal files not found in " +
                                                 PartPath("P1", "gone_nom") + "."});
}

TEST_F(Operations, MissingFile) {
  UsePart("P2");
  Zone().Operation = "Final";
  EXPECT_FALSE(cparseOP(blade));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Error finding " + PartPath("P2", "P2.op") + "."});
}

}  // namespace
}  // namespace zantrel
