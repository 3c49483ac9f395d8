#pragma once
// The per-user registry: the application's own area (section, key) and other applications' keys.
#include <optional>
#include <string>

namespace zantrel {

class UserStore {
 public:
  virtual ~UserStore() = default;

  // The application's own area.
  virtual std::optional<std::string> Get(const std::string& section, const std::string& key) = 0;
  virtual void Set(const std::string& section, const std::string& key,
                   const std::string& value) = 0;

  // A value under the current user's root, by key path ("Software\Maker\App\Settings").
  // kind 1: string, 4: 32-bit number (stored as its decimal text); other kinds are ignored.
  virtual void SetUserValue(const std::string& keyPath, const std::string& valueName,
                            const std::string& value, int kind) = 0;
  virtual std::optional<std::string> GetUserValue(const std::string& keyPath,
                                                  const std::string& valueName) = 0;
};

}  // namespace zantrel
