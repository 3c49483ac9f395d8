#pragma once
// The catalogue of the analysis program's calculations: a code and a label per row.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zantrel {

inline constexpr int kCalcRows = 56;

// Per zone, the label of every row the zone's flavor offers, else empty; entry 0 unused.
using CalcLabels = std::array<std::string, kCalcRows + 1>;

class CalcTable {
 public:
  // Codes and untranslated labels, so the table is usable before the first fill.
  CalcTable();

  // Rewrites all rows: the codes and the labels translated into the current language.
  void Fill();

  // Rows are numbered 1 to 56; a row outside that range gives an empty text.
  const std::string& Code(int row) const;
  const std::string& Label(int row) const;
  // The row whose code equals the text exactly, 0 when none.
  int Row(std::string_view code) const;
  // The code of the last row, the platform check that platform parts get.
  const std::string& PlatformCode() const { return Code(kCalcRows); }

  // The projection of a flavor's code list onto the table; codes compare exactly.
  CalcLabels Offer(const std::vector<std::string>& codes) const;

 private:
  struct Entry {
    std::string code;
    std::string label;
  };
  std::array<Entry, kCalcRows + 1> rows_;
};

}  // namespace zantrel
