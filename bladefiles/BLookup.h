#pragma once
// The blade lookup table "blade_lookup_table.txt": which routines and which flavor a part
// number gets when its folder holds no operation file.
#include <string>
#include <vector>

#include "bladefiles/BladeContext.h"

namespace zantrel {

// The two lines a missing table is recreated with.
extern const char* const kLookupTableHeader;
extern const char* const kLookupTableDemo;

std::string LookupTablePath();

// Resolves the current zone's part into its program list and flavor, from the part's
// operation file when it has one, else from the table. True when the part was resolved.
bool BLookup(BladeContext& blade);

// The part numbers every zone's part-number list offers: the folders of the configured blades
// folder that hold an operation file or that a table line names. The caller fills the lists
// and selects the first entry of zone 1.
std::vector<std::string> PopulateBlades(const BladeContext& blade);

}  // namespace zantrel
