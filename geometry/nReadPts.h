#pragma once
// Plain points text files, the host's generic export among them: one point per line.
#include <string>

#include "geometry/Points.h"

namespace zantrel {

// Every usable line's point, in file order, in one collection; empty when there is none.
ijk ReadTXTBlade(const std::string& path);

}  // namespace zantrel
