#pragma once
// Operation files "<part>.op": per manufacturing operation, the routines, the flavor, the
// sections to inspect and other nominal and tolerance files.
#include <string>
#include <vector>

#include "bladefiles/BladeContext.h"

namespace zantrel {

// The names of all operations of the file, in file order.
std::vector<std::string> parseOP(const std::string& path);

// Resolves the current zone's operation into its programs, flavor, sections and file names.
// The caller resets the zone's programs and flavor first.
bool cparseOP(BladeContext& blade);

}  // namespace zantrel
