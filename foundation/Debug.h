#pragma once
// The debug log "debug.txt" and the operator's message boxes.
#include <exception>
#include <string>
#include <string_view>
#include <system_error>

namespace zantrel {

// Message kinds: 1 ERRR, 2 WARN, 3 INFO, anything else UNSP.
enum Kind { kUnsp = 0, kErrr = 1, kWarn = 2, kInfo = 3 };

// Appends the message to debug.txt when level <= debug level and the debug level is 5 or more;
// with box set, also shows it (line breaks intact) in an OK box.
void DebugLog(std::string_view message, int level, bool box = false, int kind = kUnsp);

// The text block describing an error, for messages and log lines.
std::string ErrorText(long number, std::string_view description);
std::string ErrorText(const std::exception& error);
std::string ErrorText(const std::error_code& error);

// Line end used in message texts.
inline constexpr std::string_view kCrLf = "\r\n";

}  // namespace zantrel
