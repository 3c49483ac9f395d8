#pragma once
// Converting a points file (all sections mixed) into a nominal file or a report file.
#include <string>
#include <vector>

#include "geometry/Progress.h"

namespace zantrel {

// A-A..Z-Z, AA-AA..AZ-AZ, BA-BA..BZ-BZ without I and O; asks whether Q is used and leaves the
// Q labels out when it is not.
std::vector<std::string> BuildSectionLabels();

// Header lines of the kind ("nom" or "rpt") appended to lines; the report kind asks for its
// flavor, part, nominal, tolerance and probe radius. metricOutput says the coordinates written
// are millimetres.
void WriteConvertHeader(std::vector<std::string>& lines, long sectionCount, const std::string& kind,
                        bool metricOutput);

// Converts the points file, asking the operator the conversion's questions; true when an
// output file was written (and opened for checking).
bool ConvertPts2(const std::string& path, Progress& progress);

// The "Convert Text File" command: asks for the file, then converts it.
bool ConvertTextFile(Progress& progress);

// The output (or working) file of a conversion: the input path with its extension replaced.
std::string ConvertOutputPath(const std::string& input, const std::string& extension);

}  // namespace zantrel
