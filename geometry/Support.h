#pragma once
// Small helpers the geometry routines share.
#include <string>
#include <string_view>

namespace zantrel {

// A number as the log and the output files show it: up to 15 significant digits, no trailing
// zeros, the locale's decimal symbol ("45", "0.2", "12.3456789").
std::string NumText(double value);

// Whether DebugLog would write a line of this level; lets hot loops skip building the text.
bool Logs(int level);

// Whether the text contains the needle, ignoring case; the needle is given in upper case.
bool ContainsUpper(std::string_view text, std::string_view upperNeedle);

// The settings file of the running installation.
std::string SettingsFile();

}  // namespace zantrel
