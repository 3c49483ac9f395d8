#include "bladefiles/BladeTxt.h"

#include "BladeTest.h"
#include "bladefiles/NominalFile.h"
#include "bladefiles/ToleranceFile.h"

namespace zantrel {
namespace {

// Twelve points around a lens 4 long: nose point 1, tail point 7, the nose range 12..2.
const char* const kSection =
    "-2 0 5 -1 0 0\n"
    "-1.7 -0.25 5 0 -1 0\n"
    "-1 -0.43 5 0 -1 0\n"
    "0 -0.5 5 0 -1 0\n"
    "1 -0.43 5 0 -1 0\n"
    "1.7 -0.25 5 0 -1 0\n"
    "2 0 5 1 0 0\n"
    "1.7 0.25 5 0 1 0\n"
    "1 0.43 5 0 1 0\n"
    "0 0.5 5 0 1 0\n"
    "-1 0.43 5 0 1 0\n"
    "-1.7 0.25 5 0 1 0\n";

const std::string kHeader =
    "PART P1\r\nFIXTURE_LOCATION 2\r\nPLATFORM_CHECK 1\r\nNUMBER_OF_SECTIONS 1\r\n";
const std::string kP1 = "-2.00000   0.00000   5.00000   -1.00000   0.00000   0.00000   ";
const std::string kP2 = "-1.70000   -0.25000   5.00000   0.00000   -1.00000   0.00000   ";
const std::string kP4 = "0.00000   -0.50000   5.00000   0.00000   -1.00000   0.00000   ";
const std::string kP7 = "2.00000   0.00000   5.00000   1.00000   0.00000   0.00000   ";
const std::string kP12 = "-1.70000   0.25000   5.00000   0.00000   1.00000   0.00000   ";
const std::string kLe = "LE_CHANGE   0.10000\r\n";
const std::string kTe = "TE_CHANGE   0.20000\r\n";

class BladeTxt : public BladeTest {
 protected:
  void SetUp() override {
    tp.Write("zantrel.ini", "SendScanOffsets = ON");
    UsePart("P1", 2);
    Zone().Flavor = "QUENBY1";
    Zone().NomExt = ".nom";
    Zone().TolExt = ".tol";
    Part("P1", "P1.tol", "NUM_SECT 1\nSECTION A DEFAULT\n");
    options.Feature(2, 4) = FeatureBox{"PLATFORM", true, true, true};
    blade.options = &options;
  }
  std::string Write(const std::string& nose, const char* definition) {
    Part("P1", "P1.nom",
         "UNITS INCH\nNUM_SECT 1\nSECTION A 12 5\n" + nose + "\nOFFSETS 0.1 0.2\n" + kSection);
    if (definition != nullptr) Part("P1", "P1.def", definition);
    SectionSet(blade);
    EXPECT_TRUE(WriteBladeTxt(blade));
    return Content(BladeTxtPath());
  }
  InspOptions options;
};

TEST_F(BladeTxt, CaseOneArcPositionsOfTheDefinitionFile) {
  EXPECT_EQ(Write("NOSE 1", "! percentages per section\nB 10 90\nA 0 25 50\n"),
            kHeader + kLe + kTe + kP1 + "\r\n" + kP4 + "\r\n" + kP7 + "\r\n");
  EXPECT_TRUE(tp.LogHas("Airfoil number of positions as reported by GetArcPt: 3"));
}

TEST_F(BladeTxt, CaseTwoDefinitionFileWithoutTheSection) {
  EXPECT_EQ(Write("", "B 10 90\n"), kHeader + kLe + kTe + kP1 + "FULL\r\n" + kP7 + "FULL\r\n");
  EXPECT_TRUE(tp.LogHas("writeBtxt: Section A not found in definition file"));
}

TEST_F(BladeTxt, CaseThreePartialNoseWritesItsRange) {
  // The definition file does not count for a partial edge.
  EXPECT_EQ(Write("NOSE 12 2 PARTIAL", "A 0 25 50\n"),
            kHeader + kLe + kP12 + "PARTIAL\r\n" + kP2 + "PARTIAL\r\n" + kTe + kP7 + "FULL\r\n");
}

TEST_F(BladeTxt, CaseFourSquareNoseWritesTheMeanOfItsRange) {
  EXPECT_EQ(Write("NOSE 12 2 SQUARE", nullptr),
            kHeader + kLe +
                "-1.70000   0.00000   5.00000   0.00000   0.00000   0.00000   SQUARE\r\n" + kTe +
                kP7 + "FULL\r\n");
}

TEST_F(BladeTxt, CaseFivePlainNoseAndTail) {
  EXPECT_EQ(Write("NOSE 1", nullptr), kHeader + kP1 + "FULL\r\n" + kP7 + "FULL\r\n");
}

TEST_F(BladeTxt, OffsetsOnlyWhenSendScanOffsetsIsOn) {
  tp.Write("zantrel.ini", "SendScanOffsets = OFF");
  options.Feature(2, 4).checked = false;
  EXPECT_EQ(Write("NOSE 1", "A 0 25 50\n"),
            "PART P1\r\nFIXTURE_LOCATION 2\r\nPLATFORM_CHECK 0\r\nNUMBER_OF_SECTIONS 1\r\n" + kP1 +
                "\r\n" + kP4 + "\r\n" + kP7 + "\r\n");
}

TEST_F(BladeTxt, DefinitionLineWithoutPercentagesDropsTheZone) {
  Part("P1", "P1.nom", "NUM_SECT 1\nSECTION A 12 5\n" + std::string(kSection));
  Part("P1", "P1.def", "A\n");
  SectionSet(blade);
  EXPECT_FALSE(WriteBladeTxt(blade));
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"Error reading " + PartPath("P1", "P1.def") + " Line: A"});
  EXPECT_EQ(Zone().PartNo, "");
  EXPECT_EQ(zones.gzone, 2);
  EXPECT_EQ(Content(BladeTxtPath()), kHeader);
}

TEST_F(BladeTxt, FailedUaReadDropsTheZone) {
  Zone().NomExt = ".ua";
  Part("P1", "P1.ua", "too short\n");
  Part("P1", "P1.tol", "NUM_SECT 1\nSECTION A DEFAULT\n");
  SectionSet(blade);
  EXPECT_FALSE(WriteBladeTxt(blade));
  EXPECT_EQ(Zone().PartNo, "");
}

}  // namespace
}  // namespace zantrel
