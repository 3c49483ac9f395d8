#pragma once
// The demo parts in a test installation, resolved as Measure resolves them; and their nominal
// sections read back for checks, independent of the readers under test.
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "BladeTest.h"
#include "bladefiles/BLookup.h"
#include "bladefiles/BladeTxt.h"
#include "bladefiles/FlavorFile.h"
#include "bladefiles/NominalFile.h"
#include "bladefiles/OperationFile.h"
#include "bladefiles/ToleranceFile.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/TextFile.h"

namespace zantrel {

struct DemoPoint {
  double x, y, z;
};
using DemoSection = std::vector<DemoPoint>;

inline std::vector<DemoSection> ReadDemoSections(const std::string& path) {
  std::vector<DemoSection> sections;
  for (const std::string& line : ReadLines(NativePath(path)).value_or(std::vector<std::string>{})) {
    Words words = Tokenize(std::string_view(line));
    if (words.empty() || IsCommentLine(line)) continue;
    if (words[0] == "SECTION") {
      sections.emplace_back();
    } else if (words.size() == 6 && !sections.empty()) {
      sections.back().push_back({*ToDouble(words[0]), *ToDouble(words[1]), *ToDouble(words[2])});
    }
  }
  return sections;
}

// Distance from the point to the closed profile; large when the height differs.
inline double DistanceToProfile(const DemoSection& section, double x, double y, double z) {
  double best = 1e9;
  for (size_t k = 0; k < section.size(); ++k) {
    const DemoPoint& a = section[k];
    const DemoPoint& b = section[(k + 1) % section.size()];
    if (std::fabs(a.z - z) > 1e-5) return 1e9;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    best = std::fmin(best, std::hypot(x - (a.x + t * dx), y - (a.y + t * dy)));
  }
  return best;
}

class DemoPart : public BladeTest {
 protected:
  void SetUp() override {
    std::filesystem::copy(std::filesystem::path(ZANTREL_SOURCE_DIR) / "demo" / "blades",
                          tp.Folder() / "blades", std::filesystem::copy_options::recursive);
    tp.Write("zantrel.ini", "NOM_MODE = QUENBY\nSendScanOffsets = ON");
    tp.Write("blade_lookup_table.txt", std::string(kLookupTableHeader) + "\n" + kLookupTableDemo);
  }
  // Resolves the zone as Measure and the options window do, then writes blade.txt.
  bool Measure(const std::string& part, int operation = 0) {
    UsePart(part, 1);
    auto operations = parseOP(PartPath(part, part + ".op"));
    EXPECT_GT(operations.size(), static_cast<size_t>(operation));
    Zone().Operation = operations.at(operation);
    EXPECT_TRUE(NomsExist(blade, Zone().NomName, Zone().TolName));
    EXPECT_TRUE(BLookup(blade));
    auto calcs = parseFLV(blade);
    EXPECT_TRUE(calcs);
    Zone().FlavorCalcs = calcs;
    SectionSet(blade);
    return WriteBladeTxt(blade);
  }
};

}  // namespace zantrel
