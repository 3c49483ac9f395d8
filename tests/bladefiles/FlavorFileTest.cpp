#include "bladefiles/FlavorFile.h"

#include "BladeTest.h"

namespace zantrel {
namespace {

class Flavors : public BladeTest {
 protected:
  void SetUp() override { UsePart("P1"); }
  std::optional<std::vector<std::string>> Parse(const std::string& flavor, int zone = 1) {
    zones.gzone = zone;
    Zone().PartNo = "P1";
    Zone().Flavor = flavor;
    return parseFLV(blade);
  }
};

TEST_F(Flavors, TheLastOfTheThreePlacesWins) {
  const auto lumistat = tp.Write("Lumistat/F.flv", "CALCS 1\nCHORD").string();
  EXPECT_EQ(Parse("F"), std::vector<std::string>{"CHORD"});
  EXPECT_EQ(Zone().FlavorFile, lumistat);
  const auto program = tp.Write("F.flv", "CALCS 1\nTWIST").string();
  EXPECT_EQ(Parse("F"), std::vector<std::string>{"TWIST"});
  EXPECT_EQ(Zone().FlavorFile, program);
  const auto part = Part("P1", "F.flv", "CALCS=1\nMAXTHK");
  EXPECT_EQ(Parse("F.flv"), std::vector<std::string>{"MAXTHK"});
  EXPECT_EQ(Zone().FlavorFile, part);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Flavors, NotFound) {
  EXPECT_FALSE(Parse("QUENBY1.flv"));
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Flavor file QUENBY1.flv not found in C:\\Lumistat, Application Path, "
                            "or in Blade directory."});
}

TEST_F(Flavors, CalculationBlocks) {
  struct Case {
    const char* name;
    std::string text;
    std::optional<std::vector<std::string>> codes;
    std::string message;  // with PATH for the file's path
  };
  const Case cases[] = {
      {"plain", "! flavor\nTITLE x\ncalcs 2\nLETHCK\nTETHCK\nCHORD",
       std::vector<std::string>{"LETHCK", "TETHCK"}, ""},
      {"blank counts", "CALCS 3\nLETHCK\n\nTETHCK\nCHORD",
       std::vector<std::string>{"LETHCK", "TETHCK"},
       "Inconsistency in flavor file encountered, CALCS specified: 3, CALCS found: 2."},
      {"comment counts", "CALCS 2\n$$ LETHCK TETHCK\nTETHCK", std::vector<std::string>{"TETHCK"},
       "Inconsistency in flavor file encountered, CALCS specified: 2, CALCS found: 1."},
      {"short file", "CALCS 4\nLETHCK", std::vector<std::string>{"LETHCK"},
       "Inconsistency in flavor file encountered, CALCS specified: 4, CALCS found: 1."},
      {"two codes", "CALCS 2\nLETHCK TETHCK\nCHORD", std::nullopt,
       "Error reading line in flavor file PATH Line: LETHCK TETHCK"},
      {"bad count", "CALCS many\nLETHCK", std::nullopt,
       "Error reading line in flavor file PATH Line: CALCS many"},
      {"no block", "LETHCK\nTETHCK", std::nullopt, "Zero CALCS found in flavor file PATH"},
  };
  for (const Case& c : cases) {
    tp.op.Clear();
    const std::string path = Part("P1", "F.flv", c.text);
    EXPECT_EQ(Parse("F"), c.codes) << c.name;
    std::string message = c.message;
    if (auto at = message.find("PATH"); at != std::string::npos) message.replace(at, 4, path);
    EXPECT_EQ(Messages(),
              message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message})
        << c.name;
    EXPECT_EQ(Zone().FlavorFile, path) << c.name;  // kept even when parsing fails
  }
}

TEST_F(Flavors, LotPlotOnlyForZoneOneAndOnlyBeforeTheBlock) {
  Part("P1", "LOT.flv", "LOTPLOT\nCALCS 1\nCHORD");
  Part("P1", "LATE.flv", "CALCS 1\nCHORD\nLOTPLOT");
  Part("P1", "NOTE.flv", "! LOTPLOT\nCALCS 1\nCHORD");
  EXPECT_TRUE(Parse("LOT", 2));
  EXPECT_FALSE(zones.lotPlotOverride);
  EXPECT_TRUE(Parse("LOT", 1));
  EXPECT_TRUE(zones.lotPlotOverride);
  EXPECT_TRUE(tp.LogHas("Lotplot override."));
  EXPECT_TRUE(Parse("LOT", 2));
  EXPECT_FALSE(zones.lotPlotOverride);  // cleared at every parse
  EXPECT_TRUE(Parse("LATE", 1));
  EXPECT_FALSE(zones.lotPlotOverride);
  EXPECT_TRUE(Parse("NOTE", 1));
  EXPECT_FALSE(zones.lotPlotOverride);
}

TEST_F(Flavors, PlatformMarkerAppendsThePlatformCheck) {
  Part("P1", "F.flv", "CALCS 1\nCHORD");
  Part("P1", "P1.mis", "");
  EXPECT_EQ(Parse("F"), (std::vector<std::string>{"CHORD", "PLATFORM"}));
}

}  // namespace
}  // namespace zantrel
