#include "workflow/CalcTable.h"

#include "foundation/Lang.h"

namespace zantrel {

namespace {

struct Default {
  const char* code;
  const char* label;
};

// Order matters: it is the order of the feature columns.
constexpr Default kDefaults[kCalcRows] = {
    {"LETHCK", "LE Thickness"},
    {"LETHCK2", "LE Thickness 2"},
    {"LETHCK3", "LE Thickness 3"},
    {"LETHCK4", "LE Thickness 4"},
    {"LETHCK5", "LE Thickness 5"},
    {"LETHCK6", "LE Thickness 6"},
    {"LETHCK7", "LE Thickness 7"},
    {"LETHCK8", "LE Thickness 8"},
    {"LETHCK9", "LE Thickness 9"},
    {"LETHCK10", "LE Thickness 10"},
    {"TETHCK", "TE Thickness"},
    {"TETHCK2", "TE Thickness 2"},
    {"TETHCK3", "TE Thickness 3"},
    {"TETHCK4", "TE Thickness 4"},
    {"TETHCK5", "TE Thickness 5"},
    {"TETHCK6", "TE Thickness 6"},
    {"TETHCK7", "TE Thickness 7"},
    {"TETHCK8", "TE Thickness 8"},
    {"TETHCK9", "TE Thickness 9"},
    {"TETHCK10", "TE Thickness 10"},
    {"MAXTHK", "Max Thickness"},
    {"CHORD", "Chord Width"},
    {"CHDANG", "Chord Angle"},
    {"RELCHDANG", "Chord Angle REL"},
    {"TWIST", "Twist ABS"},
    {"RELTWIST", "Twist REL"},
    {"STACKX", "Displacement X ABS"},
    {"STACKY", "Displacement Y ABS"},
    {"STACKT", "Displacement True Position"},
    {"RELSTACKX", "Displacement X REL"},
    {"RELSTACKY", "Displacement Y REL"},
    {"RELSTACKT", "Displacement True Position REL"},
    {"BOWX", "Bow X (L&&D)"},
    {"BOWY", "Bow Y (L&&D)"},
    {"BOWT", "Bow True Position"},
    {"CCMIN", "CC&&CV Contour F&&L"},
    {"MINFORM", "CC&&CV Contour Form M/M"},
    {"CCCONT", "CC&&CV Contour Form"},
    {"LEMIN", "LE Contour F&&L"},
    {"TEMIN", "TE Contour F&&L"},
    {"LECONT", "LE Contour Form"},
    {"TECONT", "TE Contour Form"},
    {"LEPOS", "LE Position"},
    {"TEPOS", "TE Position"},
    {"LEPOS2", "LE Position 2"},
    {"TEPOS2", "TE Position 2"},
    {"LEANGLE", "LE Entry Angle"},
    {"TEANGLE", "TE Exit Angle"},
    {"LERAD", "LE Radius"},
    {"TERAD", "TE Radius"},
    {"NUMOUTTOL", "Number Points OOT"},
    {"PERCOUTTOL", "Percentage Points OOT"},
    {"EXTREME", "Extreme"},
    {"EXTREME2", "Extreme 2"},
    {"PTREPORT", "Point Exception Report"},
    {"PLATFORM", "Platform"},
};

const std::string kEmpty;

}  // namespace

CalcTable::CalcTable() {
  for (int r = 1; r <= kCalcRows; ++r) {
    rows_[r] = {kDefaults[r - 1].code, kDefaults[r - 1].label};
  }
}

void CalcTable::Fill() {
  for (int r = 1; r <= kCalcRows; ++r) {
    rows_[r].code = kDefaults[r - 1].code;
    rows_[r].label = Translate(kDefaults[r - 1].label);
  }
}

const std::string& CalcTable::Code(int row) const {
  if (row < 1 || row > kCalcRows) return kEmpty;
  return rows_[row].code;
}

const std::string& CalcTable::Label(int row) const {
  if (row < 1 || row > kCalcRows) return kEmpty;
  return rows_[row].label;
}

int CalcTable::Row(std::string_view code) const {
  for (int r = 1; r <= kCalcRows; ++r) {
    if (rows_[r].code == code) return r;
  }
  return 0;
}

CalcLabels CalcTable::Offer(const std::vector<std::string>& codes) const {
  CalcLabels offer;
  for (const auto& code : codes) {
    int r = Row(code);
    if (r > 0) offer[r] = rows_[r].label;
  }
  return offer;
}

}  // namespace zantrel
