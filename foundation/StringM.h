#pragma once
// Text and list helpers.
#include <string>
#include <string_view>
#include <vector>

namespace zantrel {

using Words = std::vector<std::string>;

std::string Trim(std::string_view text);
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view text, std::string_view part);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);

// Items joined with ", ".
std::string JoinList(const std::vector<std::string>& items);
// Removes every item containing the text (case-insensitive); true when one was removed.
bool parseCol(std::vector<std::string>& list, std::string_view text);
// Removes from second every item matching an item of first; true when second ends empty.
bool ColCompare(const std::vector<std::string>& first, std::vector<std::string>& second);
// Text trimmed, every blank replaced by "_".
std::string Underscore(std::string_view text);

// Name operations on a path text ("\" or "/" separated).
std::string NameWithoutExtension(std::string_view path);  // before the last ".", trimmed
std::string Extension(std::string_view path);             // after the last ".", trimmed
std::string FileNamePart(std::string_view path);          // after the last separator

}  // namespace zantrel
