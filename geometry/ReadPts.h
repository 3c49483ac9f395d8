#pragma once
// The host's report of measured points: one block of points per marker line.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "geometry/Points.h"
#include "geometry/Progress.h"

namespace zantrel {

class RichText;

// A point line whose chosen words do not convert to numbers.
class PointConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PointValues {
  double x = 0, y = 0, z = 0, i = 0, j = 0, k = 0, v7 = 0;
};

// True when the line is a point line; the seven numbers are then set (single precision).
// Throws PointConversionError when the chosen words are not numbers.
bool Parseline(std::string_view line, PointValues& values);

// Reads the report through the rich-text reader, keeps its plain text in tmpwrk.txt in the
// program folder and returns one section per block; nothing (after a message) when no marker
// line or no block of more than 10 points was found. Drives the bar from 0 to 50 and leaves
// the window open on success. An expected count below 1 counts as 1.
std::optional<SectionSet> readData(RichText& richText, const std::string& reportPath,
                                   long expectedCount, Progress& progress);

}  // namespace zantrel
