#include "platform/WindowRegistry.h"

#include <algorithm>
#include <cctype>

namespace zantrel {

namespace {
std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}
}  // namespace

std::optional<WindowInfo> WindowRegistry::FindByClass(const std::string& className) {
  for (auto& w : All())
    if (w.className == className) return w;
  return std::nullopt;
}

std::optional<WindowInfo> WindowRegistry::FindByTitle(const std::string& text) {
  const std::string wanted = Upper(text);
  for (auto& w : All())
    if (Upper(w.title).find(wanted) != std::string::npos) return w;
  return std::nullopt;
}

}  // namespace zantrel
