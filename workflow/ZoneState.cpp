#include "workflow/ZoneState.h"

#include <stdexcept>

#include "foundation/Debug.h"

namespace zantrel {

int ZoneState::SelectedCount() const {
  int count = 0;
  for (int n = 1; n <= SectionCount && n <= kMaxSections; ++n) {
    if (SectionSelected[n]) ++count;
  }
  return count;
}

bool ZoneState::IsSectionSelected(const std::string& label) const {
  for (int n = 1; n <= SectionCount && n <= kMaxSections; ++n) {
    if (SectionSelected[n] && SectionName[n] == label) return true;
  }
  return false;
}

ZoneState& Zones::Zone(int zone) {
  if (zone < 1 || zone > kZones) throw std::out_of_range("zone " + std::to_string(zone));
  return zones_[zone];
}

const ZoneState& Zones::Zone(int zone) const {
  if (zone < 1 || zone > kZones) throw std::out_of_range("zone " + std::to_string(zone));
  return zones_[zone];
}

void Zones::DisZone(int zone) {
  DebugLog("DisZone disabling zone: " + std::to_string(zone), 0);
  DebugLog(
      "DisZone Start Zone is: " + std::to_string(zone) + " and gzone is: " + std::to_string(gzone),
      4);
  if (zone < 1 || zone > kZones) {
    DebugLog("DisZone: no such zone: " + std::to_string(zone), 0);
    return;
  }
  const int entry = gzone;
  ZoneState& z = zones_[zone];
  z.PartNo.clear();
  z.NomName.clear();
  z.TolName.clear();
  z.Operation.clear();
  // The windows re-arrange the options per zone, which moves gzone on the way.
  if (observer_ != nullptr) observer_->ZoneDisabled(zone);
  gzone = entry;
  DebugLog(
      "DisZone end Zone is: " + std::to_string(zone) + " and gzone is: " + std::to_string(gzone),
      4);
}

}  // namespace zantrel
