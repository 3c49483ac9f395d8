#include "bladefiles/OperationFile.h"

#include "bladefiles/NominalFile.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"

namespace zantrel {

namespace {

std::string JoinFrom(const Words& words, size_t from) {
  std::string text;
  for (size_t n = from; n < words.size(); ++n) {
    if (!text.empty()) text += ' ';
    text += words[n];
  }
  return Trim(text);
}

bool StartsOperation(const Words& words) {
  return !words.empty() && LCase(words[0]) == "operation";
}

enum class Keyword { None, Blade, Nomtol, Norptblade, Usetrim };

// Keywords count only from the very first column.
Keyword KeywordOf(const std::string& line) {
  if (StartsWithNoCase(line, "blade")) return Keyword::Blade;
  if (StartsWithNoCase(line, "nomtol")) return Keyword::Nomtol;
  if (StartsWithNoCase(line, "norptblade")) return Keyword::Norptblade;
  if (StartsWithNoCase(line, "usetrim")) return Keyword::Usetrim;
  return Keyword::None;
}

void Append(NameList& list, const std::string& name) {
  if (!list) list.emplace();
  list->push_back(name);
}

}  // namespace

std::vector<std::string> parseOP(const std::string& path) {
  std::vector<std::string> names;
  auto lines = ReadLines(NativePath(path));
  if (!lines) {
    DebugLog("parseOP: " + path + " " + "not found" + ".", 0);
    return names;
  }
  for (const std::string& line : *lines) {
    if (IsCommentLine(line)) continue;
    Words words = Tokenize(std::string_view(line));
    if (StartsOperation(words)) names.push_back(JoinFrom(words, 1));
  }
  DebugLog("parseOP: End parseOP found " + std::to_string(names.size()) + " operations.", 7);
  return names;
}

bool cparseOP(BladeContext& blade) {
  ZoneState& zone = blade.Zone();
  DebugLog("cparseOP: Start", 7);
  DebugLog("cparseOP: Looking for the operation: " + zone.Operation, 9);
  zone.OpSections.reset();
  bool result = false;

  auto folder = blade.PartFolder();
  if (!folder) return false;
  const std::string part = Trim(zone.PartNo);
  const std::string path = JoinPath(*folder, part + ".op");
  auto lines = FileExists(path, true) ? ReadLines(NativePath(path)) : std::nullopt;
  if (!lines) {
    DebugLog(Translate("Error finding") + " " + path + ".", 0, true);
    return false;
  }

  blade.zones.trimOverride = 0;
  const std::string wanted = UCase(Trim(zone.Operation));
  size_t n = 0;
  bool found = false;
  for (; n < lines->size() && !found; ++n) {
    const std::string& line = (*lines)[n];
    DebugLog("cparseOP: Main Line read:" + line, 9);
    if (IsCommentLine(line)) continue;
    Words words = Tokenize(std::string_view(line));
    if (!StartsOperation(words)) continue;
    const std::string candidate = JoinFrom(words, 1);
    DebugLog("cparseOP: Trying to match: " + candidate + " with " + zone.Operation, 9);
    if (UCase(candidate) == wanted) {
      DebugLog("cparseOP: Found the operation", 9);
      found = true;
    }
  }

  for (; found && n < lines->size(); ++n) {
    const std::string& line = (*lines)[n];
    DebugLog("cparseOP: Second Line read:" + line, 9);
    if (IsCommentLine(line)) continue;
    if (ContainsNoCase(line, "operation")) {
      DebugLog("cparseOP: Already found operation, bye bye", 9);
      return result;
    }
    Words words = Tokenize(std::string_view(line));
    if (words.empty()) continue;
    switch (KeywordOf(line)) {
      case Keyword::Blade:
        DebugLog("cparseOP: Found the BLADE line.", 9);
        result = true;
        if (words.size() < 3) {
          DebugLog(Translate("Blade operation (Keyword BLADE) in operation file is missing the "
                             "Kormet generic blade program name, or the flavor file") +
                       ".",
                   0, true);
          return false;
        }
        Append(zone.Programs, words[1]);
        zone.Flavor = NameWithoutExtension(words[2]);
        if (words.size() >= 4) {
          DebugLog("cparseOP: Found sections.", 9);
          for (size_t w = 3; w < words.size(); ++w) {
            Append(zone.OpSections, words[w]);
            DebugLog("cparseOp: Found section " + words[w], 0);
          }
        }
        break;
      case Keyword::Nomtol:
        DebugLog("cparseOP: Found the NOMTOL line.", 9);
        result = true;
        if (words.size() < 3) {
          DebugLog(Translate("Nominal tolerance reset in operation file failed with no data") + ".",
                   0, true);
          return false;
        }
        zone.NomName = NameWithoutExtension(words[1]);
        zone.TolName = NameWithoutExtension(words[2]);
        DebugLog("cparseOP: Reset Nominal file: " + zone.NomName, 9);
        DebugLog("cparseOP: Reset Tolerance file: " + zone.TolName, 9);
        if (NomsExist(blade, zone.NomName, zone.TolName)) DebugLog("cparseOP: Reset nomtol", 3);
        break;
      case Keyword::Norptblade:
        blade.zones.noBladeReport = true;
        break;
      case Keyword::Usetrim: {
        const std::string trimmed = Trim(line);
        if (EndsWithNoCase(trimmed, "true")) {
          blade.zones.trimOverride = 1;
        } else if (EndsWithNoCase(trimmed, "false")) {
          blade.zones.trimOverride = 2;
        }
        break;
      }
      case Keyword::None:
        for (const std::string& word : words) Append(zone.Programs, NameWithoutExtension(word));
        result = true;
        break;
    }
  }
  DebugLog("cparseOP: End", 7);
  return true;
}

}  // namespace zantrel
