#include "geometry/Support.h"

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
  // ASCII folding is enough: every needle is plain ASCII. This runs on every report line.
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  const char first = upperNeedle[0];
  const size_t last = text.size() - upperNeedle.size();
  for (size_t start = 0; start <= last; ++start) {
    if (upper(text[start]) != first) continue;
    size_t n = 1;
    while (n < upperNeedle.size() && upper(text[start + n]) == upperNeedle[n]) ++n;
    if (n == upperNeedle.size()) return true;
  }
  return false;
}

std::string SettingsFile() { return Ctx().SettingsFile(); }

}  // namespace zantrel
