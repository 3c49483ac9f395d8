#pragma once
// The host's report of a routine run (KORMET.RTF, KORMET.TXT): the routine, part and serial,
// then every dimension with its axis values, the assignments and the trace fields.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "sim/kormet/Routine.h"

namespace zantrel::kormetsim {

std::vector<std::string> ReportLines(const Routine& routine,
                                     std::chrono::system_clock::time_point when);
// Rich text when the file name ends in ".rtf" (any case), plain text otherwise. Throws
// FileError.
void WriteReport(const std::filesystem::path& file, const Routine& routine,
                 std::chrono::system_clock::time_point when);

}  // namespace zantrel::kormetsim
