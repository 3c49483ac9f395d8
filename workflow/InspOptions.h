#pragma once
// The per-zone choices of the inspection options that logic reads: the feature check boxes.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "workflow/ZoneState.h"

namespace zantrel {

inline constexpr int kFeatureColumns = 25;

// One check box chkFeat<column>(zone); its tag is the code of its column.
struct FeatureBox {
  std::string tag;
  bool visible = false;
  bool enabled = false;
  bool checked = false;
};

class InspOptions {
 public:
  // Columns 1 to 25 of zones 1 to 4; other numbers throw.
  FeatureBox& Feature(int zone, int column);
  const FeatureBox& Feature(int zone, int column) const;
  // Unticks and hides every box of the zone.
  void ClearZone(int zone);
  // Whether a ticked box of the zone carries the code.
  bool CalcTicked(int zone, std::string_view code) const;
  // Codes of the zone's ticked boxes, in column order.
  std::vector<std::string> TickedCodes(int zone) const;

 private:
  std::array<std::array<FeatureBox, kFeatureColumns + 1>, kZones + 1> boxes_;
};

}  // namespace zantrel
