#include "devtab/ReportLine.h"

#include "foundation/Format.h"
#include "foundation/StringM.h"

namespace zantrel {

std::string AxisCode(int type) {
  switch (type) {
    case 1002:
    case 1202:
      return "X";
    case 1003:
    case 1203:
      return "Y";
    case 1004:
    case 1204:
      return "Z";
    case 1005:
      return "D";
    case 1006:
      return "R";
    case 1007:
      return "A";
    case 1008:
      return "T";
    case 1009:
    case 1207:
      return "PR";
    case 1010:
    case 1208:
      return "PA";
    case 1011:
      return "V";
    case 1012:
      return "L";
    case 1013:
      return "PD";
    case 1014:
      return "RT";
    case 1015:
      return "S";
    case 1016:
      return "RS";
    case 1017:
      return "H";
    case 1205:
      return "DD";
    case 1206:
      return "DF";
    case 1209:
      return "TP";
    default:
      return "M";
  }
}

bool IsSkippedType(int type) {
  return type == 1000 || type == 1001 || type == 1200 || type == 1201;
}

std::string DevBar(const DimensionValues& values) {
  const double upper = values.plus;
  const double lower = 0.0 - values.minus;
  const double d = values.deviation;
  double a = upper == lower ? 0.5 : (d - lower) / (upper - lower);
  // A deviation on a limit that differs from it only by rounding (10.005 - 10 is a little more
  // than 0.005) is on the limit, not an excess of "0.0000".
  constexpr double kRounding = 1e-9;
  if (a > 1 && a - 1 < kRounding) a = 1;
  if (a < 0 && -a < kRounding) a = 0;
  if (a > 1) return FormatFixed(d - upper, 4);
  if (a < 0) return FormatFixed(d - lower, 4);
  // Boundaries belong to the lower cell.
  for (int cell = 0; cell < 9; ++cell) {
    if (a <= (cell + 1) / 9.0) {
      std::string bar(9, '-');
      bar[cell] = '*';
      return bar;
    }
  }
  return std::string(9, '-');  // a is NaN: no cell holds it
}

std::string FitLeft(std::string_view text, int width) {
  std::string t = Trim(text);
  if (static_cast<int>(t.size()) > width) return t.substr(0, width);
  return t + std::string(width - t.size(), ' ');
}

std::string FitRight(std::string_view text, int width) {
  std::string t = Trim(text);
  if (static_cast<int>(t.size()) > width) return t.substr(t.size() - width);
  return std::string(width - t.size(), ' ') + t;
}

std::string ReportLine(std::string_view identifier, int type, const DimensionValues& values) {
  std::string line = FitLeft(Trim(identifier) + " " + AxisCode(type), kIdWidth);
  line += FitRight(FormatFixed(values.measured, 4), kValueWidth);
  line += FitRight(FormatFixed(values.nominal, 4), kValueWidth);
  line += FitRight(FormatFixed(values.deviation, 4), kValueWidth);
  line += FitRight(FormatFixed(values.plus, 4), kValueWidth);
  line += FitRight(FormatFixed(0.0 - values.minus, 4), kValueWidth);
  line += FitRight(DevBar(values), kValueWidth);
  return line;
}

}  // namespace zantrel
