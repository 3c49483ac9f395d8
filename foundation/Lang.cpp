#include "foundation/Lang.h"

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"

namespace zantrel {

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> columns;
  size_t start = 0;
  while (true) {
    size_t tab = line.find('\t', start);
    columns.push_back(
        line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return columns;
}

}  // namespace

LanguageTable::LanguageTable(std::filesystem::path programFolder)
    : file_(std::move(programFolder) / "Lang.ini") {}

void LanguageTable::loadLanguage(int language) {
  loaded_ = false;
  DebugLog("loadLanguage: Start: Language: " + std::to_string(language), 9);
  table_.clear();
  if (!FileExists(file_.string(), true)) return;
  auto lines = ReadLines(file_);
  if (!lines) return;
  for (const auto& line : *lines) {
    if (IsCommentLine(line)) continue;
    auto columns = SplitTabs(line);
    if (columns.size() < 2) continue;
    const std::string key = Trim(columns[1]);
    if (key.empty()) continue;
    const std::string value = language >= 0 && static_cast<size_t>(language) < columns.size()
                                  ? Trim(columns[language])
                                  : key;
    if (!table_.emplace(key, value).second)
      DebugLog(
          "loadLanguage: duplicate key " + key +
              ErrorText(457, "This key is already associated with an element of this collection"),
          9);
  }
  loaded_ = true;
  language_ = language;
}

std::string LanguageTable::Translate(std::string_view text) {
  std::string probe = ReplaceAll(std::string(text), "\t", "");
  if (Trim(probe).empty()) return std::string(text);
  auto it = table_.find(text);
  if (it != table_.end()) return it->second.empty() ? std::string(text) : it->second;
  if (!loaded_) return std::string(text);
  const std::string t(text);
  try {
    AppendLine(file_, "NEW\t" + t + "\t" + t + "\t" + t + "\t" + t + "\t" + t);
  } catch (const FileError& e) {
    DebugLog("Translate: " + std::string(e.what()), 9);
  }
  table_.emplace(t, t);
  return t;
}

std::string Translate(std::string_view text) {
  if (HasContext() && Ctx().language) return Ctx().language->Translate(text);
  return std::string(text);
}

}  // namespace zantrel
