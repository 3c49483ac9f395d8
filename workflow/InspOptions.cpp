#include "workflow/InspOptions.h"

#include <stdexcept>

namespace zantrel {

namespace {
void Check(int zone, int column) {
  if (zone < 1 || zone > kZones || column < 1 || column > kFeatureColumns) {
    throw std::out_of_range("chkFeat" + std::to_string(column) + "(" + std::to_string(zone) + ")");
  }
}
}  // namespace

FeatureBox& InspOptions::Feature(int zone, int column) {
  Check(zone, column);
  return boxes_[zone][column];
}

const FeatureBox& InspOptions::Feature(int zone, int column) const {
  Check(zone, column);
  return boxes_[zone][column];
}

void InspOptions::ClearZone(int zone) {
  Check(zone, 1);
  for (auto& box : boxes_[zone]) box = FeatureBox{};
}

bool InspOptions::CalcTicked(int zone, std::string_view code) const {
  if (zone < 1 || zone > kZones) return false;
  for (int c = 1; c <= kFeatureColumns; ++c) {
    const FeatureBox& box = boxes_[zone][c];
    if (box.checked && box.tag == code) return true;
  }
  return false;
}

std::vector<std::string> InspOptions::TickedCodes(int zone) const {
  std::vector<std::string> codes;
  if (zone < 1 || zone > kZones) return codes;
  for (int c = 1; c <= kFeatureColumns; ++c) {
    if (boxes_[zone][c].checked) codes.push_back(boxes_[zone][c].tag);
  }
  return codes;
}

}  // namespace zantrel
