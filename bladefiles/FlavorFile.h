#pragma once
// Flavor files "<flavor>.flv": the calculation codes the analysis performs for a part.
#include <optional>
#include <string>
#include <vector>

#include "bladefiles/BladeContext.h"

namespace zantrel {

// The current zone's flavor calculations, in file order; nullopt after a message when the
// file is missing or unreadable. Records the file found as the zone's flavor file.
std::optional<std::vector<std::string>> parseFLV(BladeContext& blade);

}  // namespace zantrel
