// The simulated host's scan measures blade.txt of the demo part's default operation.
#include "DemoPart.h"
#include "bladefiles/BladeTxt.h"
#include "sim/kormet/Scan.h"

namespace zantrel {
namespace {

TEST_F(DemoPart, SimulatedHostScansTheDefaultOperation) {
  ASSERT_TRUE(Measure("Demo"));
  const auto output = tp.Folder() / "blade.rtf";
  auto result = kormetsim::ScanBlade(BladeTxtPath(), tp.Folder() / "blades", output,
                                     kormetsim::ScanSettings{});
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.sections, (std::vector<std::string>{"A-A", "B-B", "C-C", "D-D"}));
  EXPECT_TRUE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace zantrel
