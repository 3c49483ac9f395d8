#include "platform/testing/MemoryUserStore.h"

namespace zantrel {

std::optional<std::string> MemoryUserStore::Get(const std::string& section,
                                                const std::string& key) {
  auto it = values.find({section, key});
  if (it == values.end()) return std::nullopt;
  return it->second;
}

void MemoryUserStore::Set(const std::string& section, const std::string& key,
                          const std::string& value) {
  values[{section, key}] = value;
}

void MemoryUserStore::SetUserValue(const std::string& keyPath, const std::string& valueName,
                                   const std::string& value, int kind) {
  if (kind != 1 && kind != 4) return;
  userValues[{keyPath, valueName}] = value;
}

std::optional<std::string> MemoryUserStore::GetUserValue(const std::string& keyPath,
                                                         const std::string& valueName) {
  auto it = userValues.find({keyPath, valueName});
  if (it == userValues.end()) return std::nullopt;
  return it->second;
}

}  // namespace zantrel
