#pragma once
// The per-user registry as one INI file: the application's own area lives under
// "Software\<application>\<section>", other applications' keys under their own key paths.
// Key names are found regardless of case, as in the registry.
#include <filesystem>

#include "platform/UserStore.h"

namespace zantrel {

class QSettingsUserStore : public UserStore {
 public:
  // The file of DefaultFile().
  explicit QSettingsUserStore(std::string application);
  QSettingsUserStore(std::string application, std::filesystem::path file);

  // ZANTREL_USER_STORE when set, else the user's configuration folder + "/zantrel/registry.ini".
  static std::filesystem::path DefaultFile();

  std::optional<std::string> Get(const std::string& section, const std::string& key) override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;
  void SetUserValue(const std::string& keyPath, const std::string& valueName,
                    const std::string& value, int kind) override;
  std::optional<std::string> GetUserValue(const std::string& keyPath,
                                          const std::string& valueName) override;

  const std::filesystem::path& File() const { return file_; }

 private:
  std::string AreaPath(const std::string& section) const;

  std::string application_;
  std::filesystem::path file_;
};

}  // namespace zantrel
