#pragma once
#include <map>
#include <utility>

#include "platform/UserStore.h"

namespace zantrel {

class MemoryUserStore : public UserStore {
 public:
  std::optional<std::string> Get(const std::string& section, const std::string& key) override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
  void SetUserValue(const std::string& keyPath, const std::string& valueName,
                    const std::string& value, int kind) override;
  std::optional<std::string> GetUserValue(const std::string& keyPath,
                                          const std::string& valueName) override;

  std::map<std::pair<std::string, std::string>, std::string> values;      // (section, key)
  std::map<std::pair<std::string, std::string>, std::string> userValues;  // (keyPath, name)
};

}  // namespace zantrel
