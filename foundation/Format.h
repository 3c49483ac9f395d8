#pragma once
// Number and date formats, with the locale's decimal symbol of the installed context.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zantrel {

// Fixed decimals with at least one integer digit: "####0.00000" and "0.00000" are
// FormatFixed(v, 5), "#0.0000" is FormatFixed(v, 4). No thousands separators.
std::string FormatFixed(double value, int decimals);
// "0." followed by one "0" per decimal; 0 decimals keep the trailing decimal symbol.
std::string MFormat(double value, int decimals);
// A whole number as the list style writes it: a leading blank for the sign of non-negative
// numbers (" 5", "-5").
std::string ListNumber(long long value);

// A number from text, with the locale's decimal symbol; the whole trimmed text must convert.
std::optional<double> ToDouble(std::string_view text);
std::optional<long long> ToLong(std::string_view text);
// A settings number: empty or not a number gives the fallback.
long long NumberOr(std::string_view text, long long fallback = 0);
// The leading number of the text (blanks skipped), 0 when there is none.
double Val(std::string_view text);

// Date and time with the patterns the system uses: "mm/dd/yy", "hh:mm:ss", "yymmdd", "hhmmss",
// "yymmddhhmmss", "mm/dd/yy hh:mm:ss", "yyyy". "mm" after "hh" means minutes.
std::string FormatTime(std::chrono::system_clock::time_point when, std::string_view pattern);

}  // namespace zantrel
