#pragma once
// Language table "Lang.ini": English text to the chosen language's text.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace zantrel {

class LanguageTable {
 public:
  explicit LanguageTable(std::filesystem::path programFolder);
  // 1 English, 2 French, 3 Italian, 4 German, 5 Spanish.
  void loadLanguage(int language);
  std::string Translate(std::string_view text);
  bool Loaded() const { return loaded_; }
  int Language() const { return language_; }

 private:
  std::filesystem::path file_;
  std::map<std::string, std::string, std::less<>> table_;
  bool loaded_ = false;
  int language_ = 1;
};

// Translation through the installed context's table; the text itself when there is none.
std::string Translate(std::string_view text);

}  // namespace zantrel
