#pragma once
// Laser section files Section1.xyz, Section2.xyz, ... in the program folder.
#include <optional>
#include <string>

#include "geometry/Points.h"
#include "geometry/Progress.h"

namespace zantrel {

class RichText;

// Reads one file per section: expectedCount (two collections per section) is halved, halves
// to even, into the number of files read. Every file gives a pair: its first point alone and
// the rest of its points. Nothing (after a message) when a file is missing or holds a point
// line that is not numbers, or when fewer than two collections are expected. The rich-text
// reader and the report path are not used.
std::optional<SectionSet> readDataLaser(RichText& richText, const std::string& reportPath,
                                        long& expectedCount, Progress& progress);

}  // namespace zantrel
