#pragma once
// The scan of the generic blade routine: reads the console's routine input file (blade.txt),
// finds its sections in the nominal file and writes the measured data (blade.rtf): per
// section two blocks of points, nose to tail and tail to nose, each block headed by a marker
// line. The measured points follow the nominal profile, moved by the configured offset and
// rotation and scattered along the normal by seeded noise.
#include <filesystem>
#include <string>
#include <vector>

#include "sim/kormet/SimConfig.h"

namespace zantrel::kormetsim {

struct NominalPoint {
  double x = 0, y = 0, z = 0;
};

struct NominalSection {
  std::string label;
  std::vector<NominalPoint> points;
  int nose = 0;  // 1-based; 0: not given
  int tail = 0;
};

// The sections of a ".nom" file; empty with the reason in error when it cannot be read.
std::vector<NominalSection> ReadNominal(const std::filesystem::path& file, std::string& error);

struct ScanResult {
  std::string error;                  // empty on success
  std::vector<std::string> sections;  // labels scanned, in order
};

// nominal: a ".nom" file, or a folder holding "<part>/<part>.nom".
ScanResult ScanBlade(const std::filesystem::path& bladeTxt, const std::filesystem::path& nominal,
                     const std::filesystem::path& output, const ScanSettings& settings);

}  // namespace zantrel::kormetsim
