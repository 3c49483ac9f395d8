#include "bladefiles/ToleranceFile.h"

#include "BladeTest.h"

namespace zantrel {
namespace {

class Counter : public SectionObserver {
 public:
  void SectionUpdate() override { ++updates; }
  int updates = 0;
};

class Tolerances : public BladeTest {
 protected:
  void SetUp() override {
    blade.sectionObserver = &counter;
    UsePart("P1", 2);
    Zone().Flavor = "QUENBY1";
    Zone().TolExt = ".tol";
    zones.gzone = 2;
  }
  // "label:selected:default" per section.
  std::vector<std::string> Table() {
    std::vector<std::string> rows;
    for (int n = 1; n <= Zone().SectionCount; ++n) {
      rows.push_back(Zone().SectionName[n] + ":" + (Zone().SectionSelected[n] ? "1" : "0") + ":" +
                     (Zone().SectionDefault[n] ? "1" : "0"));
    }
    return rows;
  }
  Counter counter;
};

TEST_F(Tolerances, TolSectionsAndTheirDefaults) {
  Part("P1", "P1.tol",
       "! tolerances of P1\n"
       "NUM_SECT = 3.0\n"
       "SECTION A DEFAULT\n"
       "SECTION B\n"
       "! SECTION X DEFAULT\n"
       "  SECTION C, DEFAULT\n"
       "ROOTSECT A\n"
       "TIPSECT C\n"
       "LETHCK 0.01 -0.01\n");
  Zone().SectionSelected[7] = true;
  SectionSet(blade);
  EXPECT_EQ(Table(), (std::vector<std::string>{"A:1:1", "B:0:0", "C:0:0"}));
  EXPECT_FALSE(Zone().SectionSelected[7]);
  EXPECT_EQ(Zone().PartNo, "P1");
  EXPECT_EQ(counter.updates, 1);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Tolerances, InconsistentTolFilesDropTheZone) {
  struct Case {
    const char* name;
    std::string text;
    std::string message;
  };
  const std::string path = PartPath("P1", "P1.tol");
  const Case cases[] = {
      {"count",
       "NUM_SECT 5\nSECTION A x\nSECTION B x\nSECTION C x\nSECTION D x\nSECTION E x\nSECTION F x",
       "Tolerance file NUM_SECT parameter (5) and tolerance file counted sections (6) are not "
       "equal."},
      {"zero", "NUM_SECT 0\nLETHCK 1 2", "Error Zero sections found in " + path + "."},
      {"no count", "SECTION A x",
       "Tolerance file NUM_SECT parameter (0) and tolerance file "
       "counted sections (1) are not equal."},
      {"bad count", "NUM_SECT lots\nSECTION A x",
       "Line read error in tolerance file " + path + " Line: NUM_SECT lots"},
  };
  for (const Case& c : cases) {
    tp.op.Clear();
    UsePart("P1", 2);
    zones.gzone = 2;
    Part("P1", "P1.tol", c.text);
    SectionSet(blade);
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(zones.Zone(2).PartNo, "") << c.name;
    EXPECT_EQ(zones.gzone, 2) << c.name;
  }
  EXPECT_EQ(counter.updates, 0);
}

TEST_F(Tolerances, MissingFileDropsTheZone) {
  SectionSet(blade);
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"Tolerance file " + PartPath("P1", "P1.tol") + " not found."});
  EXPECT_EQ(Zone().PartNo, "");
}

TEST_F(Tolerances, TeFilesWithAndWithoutLotPlot) {
  Zone().TolExt = ".te";
  Part("P1", "P1.te",
       "HEADER\n"
       "1NONE LOT\n"
       "skipped 1\n"
       "skipped 2\n"
       "skipped 3\n"
       "ROOTSECTION I 0.1\n"
       "  tol a\n"
       "  tol b\n"
       "  tol c\n"
       "MID     X 0.1\n"
       "  tol a\n"
       "  tol b\n"
       "  tol c\n"
       "TIP     I 0.1\n"
       "  tol a\n"
       "  tol b\n"
       "  tol c\n");
  SectionSet(blade);
  EXPECT_EQ(Table(), (std::vector<std::string>{"ROOTSEC:1:1", "MID:0:0", "TIP:1:1"}));
  EXPECT_TRUE(tp.LogHas("Tolerance file calls out lotplot."));

  Part("P1", "P1.te",
       "HEADER\n"
       "NOLOT\n"
       "skipped 2\n"
       "skipped 3\n"
       "A       X 1\n"
       "  tol a\n"
       "  tol b\n"
       "B       I 1\n"
       "  tol a\n"
       "  tol b\n");
  SectionSet(blade);
  EXPECT_EQ(Table(), (std::vector<std::string>{"A:0:0", "B:1:1"}));
  EXPECT_TRUE(tp.LogHas("Tolerance file does not call out lotplot."));
}

TEST_F(Tolerances, OperationSectionsNarrowTheSelection) {
  Part("P1", "P1.tol",
       "NUM_SECT 4\nSECTION A DEFAULT\nSECTION B DEFAULT\nSECTION C\nSECTION D DEFAULT\n");
  Zone().OpSections = std::vector<std::string>{"A", "C", "Z"};
  SectionSet(blade);
  EXPECT_EQ(Table(), (std::vector<std::string>{"A:1:1", "B:0:0", "C:1:1", "D:0:0"}));
  EXPECT_TRUE(tp.LogHas("SectionSet: Op Tolerance section turned on C number 3"));
}

TEST_F(Tolerances, ZoneWithoutFlavorKeepsItsTable) {
  Zone().Flavor = "";
  Zone().SectionCount = 1;
  Zone().SectionName[1] = "OLD";
  Zone().SectionSelected[1] = true;
  SectionSet(blade);
  EXPECT_EQ(Table(), std::vector<std::string>{"OLD:1:0"});
  EXPECT_EQ(counter.updates, 0);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace zantrel
