#pragma once
// Putting a section's points into contour order by walking from point to point.
#include "geometry/Points.h"
#include "geometry/Progress.h"

namespace zantrel {

// Nearest-neighbour walk from the start point; keeps every point.
void SecSort(ijk& section, long start, Progress& progress);
// Walk that only steps ahead (less than 45 degrees off the walking direction, 89 when stuck),
// backs up when stuck and drops points that do not fit; the two start points always stay.
void FullSecSort(ijk& section, long start, Progress& progress);

}  // namespace zantrel
