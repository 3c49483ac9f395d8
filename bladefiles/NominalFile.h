#pragma once
// Nominal files: the designed sections of a part, ".nom" or ".ua", walked section by section
// into the generic routine input file.
#include <optional>
#include <string>
#include <vector>

#include "bladefiles/BladeContext.h"

namespace zantrel {

// Settles which nominal and tolerance files the current zone uses and stores their
// extensions; a part folder holding only "<base>.pts" first gets its "<base>.nom".
bool NomsExist(BladeContext& blade, const std::string& nominalBase,
               const std::string& toleranceBase);

// Appends every selected section of the ".nom" file to blade.txt; with verify set, checks the
// sections against the tolerance file.
bool ReadNOMfile3(BladeContext& blade, const std::string& path, bool verify);

// The same for a ".ua" file; its section labels, or nullopt after a message.
std::optional<std::vector<std::string>> ReadUAfile(BladeContext& blade, const std::string& path);

}  // namespace zantrel
