#pragma once
// The host writes its reports as simple rich text: one paragraph per line, a fixed-pitch font.
#include <string>
#include <vector>

namespace zantrel::kormetsim {

std::string RtfDocument(const std::vector<std::string>& lines);

}  // namespace zantrel::kormetsim
