#pragma once
// One line of the dimension report: identifier and axis, the five values and the deviation bar.
#include <string>
#include <string_view>

namespace zantrel {

// The numbers of one dimension command, as the host gives them.
struct DimensionValues {
  double measured = 0;
  double nominal = 0;
  double deviation = 0;
  double plus = 0;
  double minus = 0;  // the lower tolerance as a positive size
};

inline constexpr int kIdWidth = 15;
inline constexpr int kValueWidth = 10;
inline constexpr int kReportLineWidth = kIdWidth + 6 * kValueWidth;

// The axis code of a dimension command's type; "M" for any type not known.
std::string AxisCode(int type);
// Types that carry no value of their own (the head lines of a dimension).
bool IsSkippedType(int type);

// The nine-cell bar, or the excess beyond the band formatted "#0.0000".
std::string DevBar(const DimensionValues& values);

// Trimmed text fitted to the width: padded on the right, or cut to its first characters.
std::string FitLeft(std::string_view text, int width);
// Trimmed text fitted to the width: padded on the left, or cut to its last characters.
std::string FitRight(std::string_view text, int width);

// The 75-character report line for the identifier with the command's type and values.
std::string ReportLine(std::string_view identifier, int type, const DimensionValues& values);

}  // namespace zantrel
