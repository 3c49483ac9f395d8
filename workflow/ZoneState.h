#pragma once
// The zones of the machine table: the current-zone cursor and one record per zone, which every
// per-zone operation reads and writes.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "workflow/CalcTable.h"

namespace zantrel {

inline constexpr int kZones = 4;
inline constexpr int kMaxSections = 500;

using NameList = std::optional<std::vector<std::string>>;  // nullopt: absent

// What the console knows about the part mounted in one zone.
struct ZoneState {
  std::string PartNo;  // empty: the zone takes no part in the run
  std::string NomName;
  std::string TolName;
  std::string NomExt;  // ".nom" or ".ua"
  std::string TolExt;  // ".tol" or ".te"
  std::string Operation;
  NameList Programs;
  NameList OpSections;
  std::string Flavor;
  std::string FlavorFile;
  NameList FlavorCalcs;
  CalcLabels CalcOffer;
  int SectionCount = 0;
  // Sections are numbered from 1, as in the tolerance file; entry 0 is unused.
  std::array<bool, kMaxSections + 1> SectionSelected{};
  std::array<bool, kMaxSections + 1> SectionDefault{};
  std::array<std::string, kMaxSections + 1> SectionName;
  NameList MbrBlades;

  // Selected among the first SectionCount sections.
  int SelectedCount() const;
  // A label is selected when a valid entry carries it with its selected flag set.
  bool IsSectionSelected(const std::string& label) const;
};

// Told when a zone is dropped from the run, so the windows can clear and hide its controls.
class ZoneObserver {
 public:
  virtual ~ZoneObserver() = default;
  virtual void ZoneDisabled(int zone) = 0;
};

// The process-wide zone state.
class Zones {
 public:
  int gzone = 1;
  int ActiveFrameZone = 1;
  int CopySourceZone = 1;
  CalcTable calcTable;
  bool lotPlotOverride = false;  // set by zone 1's flavor
  // Of the operation file, read by report creation.
  bool noBladeReport = false;
  int trimOverride = 0;  // 0 none, 1 trim, 2 no trim

  // Zones are numbered 1 to 4; any other number is a programming error and throws.
  ZoneState& Zone(int zone);
  const ZoneState& Zone(int zone) const;
  ZoneState& Current() { return Zone(gzone); }
  const ZoneState& Current() const { return Zone(gzone); }

  // Drops the zone from the current run; gzone keeps its value.
  void DisZone(int zone);
  void SetObserver(ZoneObserver* observer) { observer_ = observer; }

 private:
  std::array<ZoneState, kZones + 1> zones_;
  ZoneObserver* observer_ = nullptr;
};

}  // namespace zantrel
