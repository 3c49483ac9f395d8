#pragma once
// The generic routine input file "blade.txt": the part, its fixture position, the platform
// check and, per selected section, the nominal points the generic blade routine probes.
#include <string>

#include "bladefiles/BladeContext.h"
#include "geometry/Points.h"

namespace zantrel {

std::string BladeTxtPath();

// Writes blade.txt for the current zone. False when the nominal reader failed, so blade.txt
// holds only the header and the sections before the failure.
bool WriteBladeTxt(BladeContext& blade);

// Appends one section. False when the definition file's line for it is unusable (the zone has
// then been dropped) or blade.txt cannot be written.
bool writeBtxt(BladeContext& blade, const ijk& section, const std::string& label, long nose,
               long nose1, long nose2, long tail, long tail1, long tail2, std::string noseType,
               std::string tailType, double leChange, double teChange);

}  // namespace zantrel
