#include "geometry/nReadPts.h"

#include <vector>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "geometry/Support.h"

namespace zantrel {

ijk ReadTXTBlade(const std::string& path) {
  ijk result;
  const bool generic = parseFile(path, "HITS", false);
  if (generic) DebugLog("Detected Kormet generic export file.", 9);
  const std::optional<std::vector<std::string>> lines = ReadLines(NativePath(path));
  if (!lines) {
    DebugLog("ReadTXTBlade: File not readable: " + path, 0);
    return result;
  }
  const char decimal = Ctx().decimalSymbol;
  for (const std::string& line : *lines) {
    if (Logs(10)) DebugLog("ReadTXTBlade: Line read: " + line, 10);
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '!' || trimmed.rfind("$$", 0) == 0) continue;
    const Words words = Tokenize(std::string_view(line));
    if (words.size() < 3 || (generic && words.size() == 7)) continue;
    std::vector<double> numbers;
    bool firstHasDecimal = false;
    for (const std::string& word : words) {
      const std::optional<double> value = ToDouble(word);
      if (!value) continue;
      // A leading whole number is the point's number, not a coordinate.
      if (numbers.empty()) firstHasDecimal = word.find(decimal) != std::string::npos;
      numbers.push_back(*value);
    }
    bool added = false;
    if (numbers.size() >= 3) {
      size_t at = firstHasDecimal ? 0 : 1;
      const size_t count = numbers.size() - at;
      auto v = [&](size_t n) { return numbers[at + n]; };
      if (count == 3 || count == 4) {
        result.Add(v(0), v(1), v(2));
        added = true;
      } else if (count == 5) {
        result.Add(v(0), v(1), v(2), v(3), v(4));
        added = true;
      } else if (count == 6 || count == 7) {
        result.Add(v(0), v(1), v(2), v(3), v(4), v(5));
        added = true;
      } else if (count == 8 || count == 9) {
        result.Add(v(0), v(1), v(2), v(3), v(4), v(5), v(6), v(7));
        added = true;
      }
    }
    if (Logs(10)) {
      DebugLog(std::string(added ? "ReadTXTBlade: Data added: Line: "
                                 : "ReadTXTBlade: Data NOT added: Line: ") +
                   line,
               10);
    }
  }
  return result;
}

}  // namespace zantrel
