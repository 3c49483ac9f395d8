#include "foundation/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "foundation/Context.h"
#include "foundation/StringM.h"

namespace zantrel {

namespace {

char DecimalSymbol() {
  return HasContext() ? Ctx().decimalSymbol : '.';
}

std::string WithDecimalSymbol(std::string s) {
  const char d = DecimalSymbol();
  if (d != '.')
    for (char& c : s)
      if (c == '.') c = d;
  return s;
}

// Text with the locale's decimal symbol turned into "." for from_chars.
std::string Canonical(std::string_view text) {
  std::string s = Trim(text);
  const char d = DecimalSymbol();
  if (d != '.')
    for (char& c : s)
      if (c == d) c = '.';
  return s;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  // Halves round away from zero, as number formats do, not to even as printf does.
  const double scale = std::pow(10.0, decimals);
  if (std::isfinite(value) && std::fabs(value * scale) < 1e15)
    value = std::round(value * scale) / scale;
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string s = buffer;
  // A value that rounds to zero shows no sign.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return WithDecimalSymbol(s);
}

std::string MFormat(double value, int decimals) {
  std::string s = FormatFixed(value, decimals);
  if (decimals == 0) s += DecimalSymbol();
  return s;
}

std::string ListNumber(long long value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::optional<double> ToDouble(std::string_view text) {
  std::string s = Canonical(text);
  if (s.empty()) return std::nullopt;
  const char* b = s.data();
  const char* e = s.data() + s.size();
  if (*b == '+') ++b;
  double v = 0;
  auto [ptr, ec] = std::from_chars(b, e, v);
  if (ec != std::errc() || ptr != e) return std::nullopt;
  return v;
}

std::optional<long long> ToLong(std::string_view text) {
  std::string s = Trim(text);
  if (s.empty()) return std::nullopt;
  const char* b = s.data();
  const char* e = s.data() + s.size();
  if (*b == '+') ++b;
  long long v = 0;
  auto [ptr, ec] = std::from_chars(b, e, v);
  if (ec != std::errc() || ptr != e) {
    // "10.0" in a settings file still means ten.
    if (auto d = ToDouble(text); d && std::isfinite(*d) && std::fabs(*d) < 9e18)
      return static_cast<long long>(std::llround(*d));
    return std::nullopt;
  }
  return v;
}

long long NumberOr(std::string_view text, long long fallback) {
  auto v = ToLong(text);
  return v ? *v : fallback;
}

double Val(std::string_view text) {
  std::string s = Canonical(text);
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = i;
  while (digits < s.size() &&
         (std::isdigit(static_cast<unsigned char>(s[digits])) || s[digits] == '.'))
    ++digits;
  double v = 0;
  const char* b = s.data() + (s.size() && s[0] == '+' ? 1 : 0);
  std::from_chars(b, s.data() + digits, v);
  return v;
}

std::string FormatTime(std::chrono::system_clock::time_point when, std::string_view pattern) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm tm{};
  localtime_r(&t, &tm);
  auto two = [](int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v % 100);
    return std::string(b);
  };
  std::string out;
  bool afterHour = false;
  size_t i = 0;
  while (i < pattern.size()) {
    std::string_view rest = pattern.substr(i);
    if (rest.substr(0, 4) == "yyyy") {
      out += std::to_string(tm.tm_year + 1900);
      i += 4;
    } else if (rest.substr(0, 2) == "yy") {
      out += two(tm.tm_year);
      i += 2;
    } else if (rest.substr(0, 2) == "mm") {
      out += afterHour ? two(tm.tm_min) : two(tm.tm_mon + 1);
      afterHour = false;
      i += 2;
    } else if (rest.substr(0, 2) == "nn") {
      out += two(tm.tm_min);
      i += 2;
    } else if (rest.substr(0, 2) == "dd") {
      out += two(tm.tm_mday);
      i += 2;
    } else if (rest.substr(0, 2) == "hh") {
      out += two(tm.tm_hour);
      afterHour = true;
      i += 2;
    } else if (rest.substr(0, 2) == "ss") {
      out += two(tm.tm_sec);
      i += 2;
    } else {
      out += pattern[i];
      ++i;
    }
  }
  return out;
}

}  // namespace zantrel
