#include "geometry/Support.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "foundation/Context.h"
#include "foundation/TextFile.h"

namespace zantrel {

std::string NumText(double value) {
  if (value == 0) return "0";  // also for -0
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  std::string text = buffer;
  const char symbol = HasContext() ? Ctx().decimalSymbol : '.';
  if (symbol != '.') {
    for (char& c : text) {
      if (c == '.') c = symbol;
    }
  }
  return text;
}

bool Logs(int level) {
  if (!HasContext()) return false;
  const int debugLevel = Ctx().debugLevel;
  return debugLevel >= 5 && level <= debugLevel;
}

bool ContainsUpper(std::string_view text, std::string_view upperNeedle) {
  if (upperNeedle.empty()) return true;
  if (text.size() < upperNeedle.size()) return false;
  const size_t last = text.size() - upperNeedle.size();
  for (size_t start = 0; start <= last; ++start) {
    size_t n = 0;
    while (n < upperNeedle.size() && std::toupper(static_cast<unsigned char>(text[start + n])) ==
                                         static_cast<unsigned char>(upperNeedle[n])) {
      ++n;
    }
    if (n == upperNeedle.size()) return true;
  }
  return false;
}

std::string SettingsFile() {
  return JoinPath(Ctx().programFolder.string(), "zantrel.ini");
}

}  // namespace zantrel
