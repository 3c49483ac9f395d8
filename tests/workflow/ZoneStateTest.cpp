#include "workflow/ZoneState.h"

#include <gtest/gtest.h>

#include "platform/testing/TestPlatform.h"
#include "workflow/InspOptions.h"

namespace zantrel {
namespace {

// A window that re-arranges the options of every zone, moving gzone as it goes.
class Windows : public ZoneObserver {
 public:
  explicit Windows(Zones& zones) : zones_(zones) {}
  void ZoneDisabled(int zone) override {
    disabled.push_back(zone);
    for (int z = kZones; z >= 1; --z) zones_.gzone = z;
  }
  std::vector<int> disabled;

 private:
  Zones& zones_;
};

void Fill(ZoneState& zone) {
  zone.PartNo = "Demo";
  zone.NomName = "Demo";
  zone.TolName = "Demo";
  zone.Operation = "Final";
  zone.Flavor = "QUENBY1";
  zone.Programs = std::vector<std::string>{"blade"};
  zone.SectionCount = 2;
  zone.SectionName[1] = "A";
  zone.SectionSelected[1] = true;
}

TEST(DisZone, ClearsTheZoneTellsTheWindowsAndKeepsGzone) {
  TestPlatform tp;
  Zones zones;
  Windows windows(zones);
  zones.SetObserver(&windows);
  Fill(zones.Zone(2));
  Fill(zones.Zone(3));
  zones.gzone = 3;

  zones.DisZone(2);

  EXPECT_EQ(zones.gzone, 3);
  EXPECT_EQ(windows.disabled, std::vector<int>{2});
  const ZoneState& two = zones.Zone(2);
  EXPECT_EQ(two.PartNo, "");
  EXPECT_EQ(two.NomName, "");
  EXPECT_EQ(two.TolName, "");
  EXPECT_EQ(two.Operation, "");
  // The rest of the record is refilled by the next Measure, not by DisZone.
  EXPECT_EQ(two.Flavor, "QUENBY1");
  EXPECT_TRUE(two.IsSectionSelected("A"));
  EXPECT_EQ(zones.Zone(3).PartNo, "Demo");
  EXPECT_TRUE(tp.LogHas("DisZone disabling zone: 2"));
  EXPECT_TRUE(tp.LogHas("DisZone Start Zone is: 2 and gzone is: 3"));
  EXPECT_TRUE(tp.LogHas("DisZone end Zone is: 2 and gzone is: 3"));
}

TEST(DisZone, NoSuchZoneChangesNothing) {
  TestPlatform tp;
  Zones zones;
  Windows windows(zones);
  zones.SetObserver(&windows);
  zones.gzone = 2;
  zones.DisZone(5);
  zones.DisZone(0);
  EXPECT_TRUE(windows.disabled.empty());
  EXPECT_EQ(zones.gzone, 2);
  EXPECT_THROW(zones.Zone(5), std::out_of_range);
}

TEST(ZoneState, SelectionCountsOnlyValidSections) {
  ZoneState zone;
  zone.SectionCount = 3;
  zone.SectionName[1] = "A";
  zone.SectionName[2] = "B";
  zone.SectionName[3] = "C";
  zone.SectionName[4] = "D";
  zone.SectionSelected[1] = zone.SectionSelected[3] = zone.SectionSelected[4] = true;
  EXPECT_EQ(zone.SelectedCount(), 2);
  EXPECT_TRUE(zone.IsSectionSelected("C"));
  EXPECT_FALSE(zone.IsSectionSelected("B"));
  EXPECT_FALSE(zone.IsSectionSelected("D"));  // beyond the section count
  EXPECT_FALSE(zone.IsSectionSelected("E"));
}

TEST(InspOptions, PlatformTickedPerZone) {
  InspOptions options;
  options.Feature(1, 3) = FeatureBox{"PLATFORM", true, true, true};
  options.Feature(2, 3) = FeatureBox{"PLATFORM", true, true, false};
  options.Feature(2, 1) = FeatureBox{"LETHCK", true, true, true};
  EXPECT_TRUE(options.CalcTicked(1, "PLATFORM"));
  EXPECT_FALSE(options.CalcTicked(2, "PLATFORM"));
  EXPECT_EQ(options.TickedCodes(2), std::vector<std::string>{"LETHCK"});
  options.ClearZone(1);
  EXPECT_FALSE(options.CalcTicked(1, "PLATFORM"));
  EXPECT_THROW(options.Feature(1, 26), std::out_of_range);
}

}  // namespace
}  // namespace zantrel
