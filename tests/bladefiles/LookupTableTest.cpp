#include "bladefiles/BLookup.h"

#include <filesystem>

#include "BladeTest.h"

namespace zantrel {
namespace {

using Lookup = BladeTest;

TEST_F(Lookup, MissingTableIsRecreatedWithTheDemoLineAndCaseIsIgnored) {
  UsePart("demo");
  EXPECT_TRUE(BLookup(blade));
  EXPECT_EQ(Content(LookupTablePath()),
            "!Part Number         Program        Flavor\r\n"
            "Demo                 blade          QUENBY1\r\n");
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "First time run, or blade_lookup_table.txt deleted, new default file "
                            "created."});
  EXPECT_EQ(Zone().Programs, std::vector<std::string>{"blade"});
  EXPECT_EQ(Zone().Flavor, "QUENBY1");
  EXPECT_EQ(Zone().FlavorFile, "");
}

TEST_F(Lookup, TableLinesResolveParts) {
  tp.Write("blade_lookup_table.txt",
           "!Part Number  Program  Flavor\n"
           "$$ another comment\n"
           "\n"
           "P100   route1   FLAVA\n"
           "  p100 = route2\tFLAVB   ! the second routine\n"
           "Other  route9   FLAVC\n");
  struct Case {
    std::string part;
    bool found;
    std::optional<std::vector<std::string>> programs;
    std::string flavor;
  };
  for (const Case& c : {Case{"P100", true, std::vector<std::string>{"route1", "route2"}, "FLAVB"},
                        Case{" p100 ", true, std::vector<std::string>{"route1", "route2"}, "FLAVB"},
                        Case{"OTHER", true, std::vector<std::string>{"route9"}, "FLAVC"},
                        Case{"P10", false, std::nullopt, ""}}) {
    UsePart(c.part);
    Zone().Flavor = "stale";
    Zone().FlavorFile = "stale.flv";
    Zone().Programs = std::vector<std::string>{"stale"};
    EXPECT_EQ(BLookup(blade), c.found) << c.part;
    EXPECT_EQ(Zone().Programs, c.programs) << c.part;
    EXPECT_EQ(Zone().Flavor, c.flavor) << c.part;
    EXPECT_EQ(Zone().FlavorFile, "") << c.part;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Lookup, CommasSplitALineIntoRecords) {
  const auto table = tp.Write("blade_lookup_table.txt",
                              "First  r1  F1\n"
                              "Demo, blade, QUENBY1\n"
                              "Demo  never  F2\n");
  UsePart("First");
  EXPECT_FALSE(BLookup(blade));
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"Error reading " + table.string() + " Line: Demo"});
  // Lines before the bad one were applied.
  EXPECT_EQ(Zone().Programs, std::vector<std::string>{"r1"});
}

TEST_F(Lookup, OperationFileWinsAndTheTableIsNotOpened) {
  tp.Write("blade_lookup_table.txt", "Demo  tableprog  TABLEFLV\n");
  Part("Demo", "Demo.op", "operation Final\nblade genblade QUENBY1\n");
  UsePart("Demo");
  Zone().Operation = "Final";
  EXPECT_TRUE(BLookup(blade));
  EXPECT_EQ(Zone().Programs, std::vector<std::string>{"genblade"});
  EXPECT_EQ(Zone().Flavor, "QUENBY1");
  EXPECT_FALSE(tp.LogHas("BLookup: Opening"));
}

TEST_F(Lookup, FailedOperationFileFailsTheLookup) {
  tp.Write("blade_lookup_table.txt", "Demo  tableprog  TABLEFLV\n");
  Part("Demo", "Demo.op", "operation Final\nblade genblade\n");
  UsePart("Demo");
  Zone().Operation = "Final";
  EXPECT_FALSE(BLookup(blade));
  EXPECT_TRUE(tp.LogHas("BLookup: cparseOP did not succeed"));
  EXPECT_EQ(Zone().Flavor, "");
}

TEST_F(Lookup, PartNumbersThatLeaveTheBladesFolderAreRefused) {
  tp.Write("blade_lookup_table.txt", "x  r  F\n");
  tp.Write("outside/outside.op", "operation Final\nevil\n");
  for (const std::string part : {"../outside", "a/b", "a\\b", "..", ".", "a..b"}) {
    tp.op.Clear();
    UsePart(part);
    EXPECT_FALSE(BLookup(blade)) << part;
    ASSERT_EQ(Messages().size(), 1u) << part;
    EXPECT_NE(Messages()[0].find("\"" + part + "\""), std::string::npos) << Messages()[0];
    EXPECT_FALSE(Zone().Programs) << part;
  }
}

TEST_F(Lookup, PopulateBladesOffersOperationFoldersAndTableParts) {
  blade.configuredBlades = (tp.Folder() / "net").string();
  tp.Write("blade_lookup_table.txt",
           "! comment naming nothing\n"
           "Q1  ABCprog  F1\n"
           "Other  prog  F2\n");
  for (const std::string name : {"AB", "ABC", "Other", "Lonely", "WithOp"}) {
    std::filesystem::create_directories(tp.Folder() / "net" / name);
  }
  tp.Write("net/WithOp/WithOp.op", "operation Final\nr1\n");
  tp.Write("net/notafolder.op", "x\n");
  // "AB" takes the line holding "ab" in its program column; "ABC" then has none left.
  EXPECT_EQ(PopulateBlades(blade), (std::vector<std::string>{"AB", "Other", "WithOp"}));
  EXPECT_TRUE(tp.LogHas("Populate blades found bladelookup entry for: AB"));
  EXPECT_TRUE(tp.LogHas("Populate blades found operation file for   : WithOp"));
  EXPECT_TRUE(tp.LogHas("PopulateBlades: Net not found."));
}

TEST_F(Lookup, PopulateBladesWithoutFolderOrTableOffersNothing) {
  blade.configuredBlades = (tp.Folder() / "missing").string();
  EXPECT_TRUE(PopulateBlades(blade).empty());
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace zantrel
