#include "foundation/StringM.h"

#include <algorithm>
#include <cctype>

#include "foundation/Debug.h"

namespace zantrel {

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
char Up(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
char Low(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
}  // namespace

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::string UCase(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(), Up);
  return s;
}

std::string LCase(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(), Low);
  return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Up(a[i]) != Up(b[i])) return false;
  return true;
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  return UCase(text).find(UCase(part)) != std::string::npos;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
  return text;
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += ", ";
    out += items[i];
  }
  return out;
}

bool parseCol(std::vector<std::string>& list, std::string_view text) {
  DebugLog("parseCol Start: Parsing collection for parameter: " + std::string(text), 9);
  bool removed = false;
  for (size_t i = list.size(); i-- > 0;) {
    if (ContainsNoCase(list[i], text)) {
      list.erase(list.begin() + static_cast<long>(i));
      removed = true;
    }
  }
  DebugLog("parseCol: End ", 10);
  return removed;
}

bool ColCompare(const std::vector<std::string>& first, std::vector<std::string>& second) {
  for (const auto& item : first)
    if (parseCol(second, item)) DebugLog("ColCompare: " + item + " was in both collections.", 10);
  return second.empty();
}

std::string Underscore(std::string_view text) {
  return ReplaceAll(Trim(text), " ", "_");
}

std::string NameWithoutExtension(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return std::string(path);
  return Trim(path.substr(0, dot));
}

std::string Extension(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return "";
  return Trim(path.substr(dot + 1));
}

std::string FileNamePart(std::string_view path) {
  const size_t sep = path.find_last_of("\\/");
  if (sep == std::string_view::npos) return std::string(path);
  return std::string(path.substr(sep + 1));
}

}  // namespace zantrel
