#pragma once
// What the definition-file readers and writers work on: the zone state, the folders the part
// files live in, and the windows that want to hear about section changes.
#include <optional>
#include <string>

#include "geometry/Progress.h"
#include "workflow/InspOptions.h"
#include "workflow/ZoneState.h"

namespace zantrel {

// Told when the current zone's section table was re-read (the custom sections list).
class SectionObserver {
 public:
  virtual ~SectionObserver() = default;
  virtual void SectionUpdate() = 0;
};

struct BladeContext {
  // Folders from the program folder of the installed context: the local blades folder, the
  // settings file, and the configured blades folder equal to the local one.
  explicit BladeContext(Zones& zones);

  Zones& zones;
  std::string settingsFile;      // zantrel.ini of the run
  std::string localBlades;       // <program folder>/blades: every reader reads here
  std::string configuredBlades;  // directories/blades: may lie on a network drive
  std::string interfaceMode = "CMM1";
  const InspOptions* options = nullptr;
  SectionObserver* sectionObserver = nullptr;
  Progress* progress = nullptr;  // the points conversion's window; none: no window

  ZoneState& Zone() const { return zones.Current(); }

  // <local blades>/<part>; nullopt, after a message naming it, when the zone's part number
  // could leave the blades folder.
  std::optional<std::string> PartFolder() const;
  // <local blades>/<part>/<name>; nullopt as PartFolder, or when the name would leave it.
  std::optional<std::string> PartFile(const std::string& name) const;

  // Whether the configured blades folder lies on a network drive, and whether it is there.
  bool ConfiguredOnNetwork() const;
  bool ConfiguredReachable() const;
};

// A name that stays inside the folder it is joined to: no separator, not "." or "..", no "..".
bool SafeFolderName(const std::string& name);

}  // namespace zantrel
