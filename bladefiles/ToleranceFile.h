#pragma once
// Tolerance files ".tol" and ".te": the sections of a part in inspection order, their labels and
// which of them are inspected by default.
#include "bladefiles/BladeContext.h"

namespace zantrel {

// Reads the current zone's tolerance file into its section table and selects the default set
// (narrowed to the operation's sections when it names any). A missing or inconsistent file
// drops the zone.
void SectionSet(BladeContext& blade);

}  // namespace zantrel
