#include "bladefiles/FlavorFile.h"

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "platform/Drives.h"

namespace zantrel {

namespace {

void LineError(const std::string& path, const std::string& line) {
  DebugLog(Translate("Error reading line in flavor file") + " " + path + " " + Translate("Line:") +
               " " + line,
           0, true);
}

}  // namespace

std::optional<std::vector<std::string>> parseFLV(BladeContext& blade) {
  ZoneState& zone = blade.Zone();
  DebugLog("parseFLV: Start: Looking for flavor " + zone.Flavor, 7);
  blade.zones.lotPlotOverride = false;

  const std::string fileName =
      ContainsNoCase(zone.Flavor, "flv") ? Trim(zone.Flavor) : Trim(zone.Flavor) + ".flv";
  auto partFile = blade.PartFile(fileName);
  if (!partFile) return std::nullopt;

  // Each later place wins over an earlier one.
  std::string path;
  const std::string lumistat = Ctx().platform.drives != nullptr
                                   ? Ctx().platform.drives->Map("C:\\Lumistat\\" + fileName)
                                   : std::string();
  for (const std::string& candidate :
       {lumistat, JoinPath(Ctx().programFolder.string(), fileName), *partFile}) {
    if (!candidate.empty() && FileExists(candidate, true)) path = candidate;
  }
  if (path.empty()) {
    DebugLog(Translate("Flavor file") + " " + fileName + " " +
                 Translate("not found in C:\\Lumistat, Application Path, or in Blade directory") +
                 ".",
             0, true);
    return std::nullopt;
  }

  zone.FlavorFile = path;
  auto lines = ReadLines(NativePath(path));
  if (!lines) {
    DebugLog(Translate("Error finding") + " " + path + ".", 0, true);
    return std::nullopt;
  }
  DebugLog("Parsing flavor file " + path, 0);

  std::vector<std::string> codes;
  for (size_t n = 0; n < lines->size(); ++n) {
    const std::string line = Trim((*lines)[n]);
    DebugLog("parseFLV: Line read: " + line, 10);
    if (!IsCommentLine(line) && ContainsNoCase(line, "LOTPLOT") && blade.zones.gzone == 1) {
      blade.zones.lotPlotOverride = true;
      DebugLog("Lotplot override.", 0);
    }
    if (!StartsWithNoCase(line, "CALCS")) continue;

    Words words = Tokenize(std::string_view(line));
    auto declared = words.size() >= 2 ? ToLong(words[1]) : std::nullopt;
    if (!declared || *declared < 0) {
      LineError(path, line);
      return std::nullopt;
    }
    const long long count = *declared;
    DebugLog("parseFLV: NUMCALCS " + std::to_string(count), 3);
    for (long long i = 1; i <= count && n + 1 < lines->size(); ++i) {
      const std::string codeLine = Trim((*lines)[++n]);
      DebugLog("Flavor file line " + codeLine + " Calculation number " + std::to_string(i), 3);
      if (IsCommentLine(codeLine)) continue;
      Words fields = Tokenize(std::string_view(codeLine));
      if (fields.size() == 1) {
        codes.push_back(fields[0]);
      } else if (fields.size() >= 2) {
        LineError(path, codeLine);
        return std::nullopt;
      }
    }
    if (static_cast<long long>(codes.size()) != count) {
      DebugLog(Translate("Inconsistency in flavor file encountered, CALCS specified:") + " " +
                   std::to_string(count) + Translate(", CALCS found:") + " " +
                   std::to_string(codes.size()) + ".",
               0, true);
    }
    auto marker = blade.PartFile(Trim(zone.PartNo) + ".mis");
    if (marker && FileExists(*marker, true)) codes.push_back(blade.zones.calcTable.PlatformCode());
    return codes;
  }

  DebugLog(Translate("Zero CALCS found in flavor file") + " " + path, 0, true);
  return std::nullopt;
}

}  // namespace zantrel
