#include "bladefiles/ToleranceFile.h"

#include <algorithm>

#include "bladefiles/ListInput.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"

namespace zantrel {

namespace {

std::string N(long long value) {
  return std::to_string(value);
}

void Fail(BladeContext& blade, const std::string& message) {
  DebugLog(message, 0, true);
  blade.zones.DisZone(blade.zones.gzone);
}

void TooMany(BladeContext& blade, const std::string& path) {
  Fail(blade, Translate("Tolerance file") + " " + path + " " +
                  Translate("holds more sections than the console can keep") + " (" +
                  N(kMaxSections) + ").");
}

bool ReadTol(BladeContext& blade, ListInput& input, const std::string& path) {
  ZoneState& zone = blade.Zone();
  long long declared = 0;
  int count = 0;
  while (auto record = input.Record()) {
    if (IsCommentLine(*record)) continue;
    if (ContainsNoCase(*record, "NUM_SECT")) {
      Words words = Tokenize(std::string_view(*record));
      auto value = words.size() >= 2 ? ToDouble(words[1]) : std::nullopt;
      if (!value) {
        Fail(blade, Translate("Line read error in tolerance file") + " " + path + " " +
                        Translate("Line:") + " " + *record);
        return false;
      }
      declared = static_cast<long long>(*value);
    } else if (ContainsNoCase(*record, "SECTION")) {
      Words words = Tokenize(std::string_view(*record));
      if (words.size() < 2) {
        Fail(blade, Translate("Line read error in tolerance file") + " " + path + " " +
                        Translate("Line:") + " " + *record);
        return false;
      }
      if (count == kMaxSections) {
        TooMany(blade, path);
        return false;
      }
      ++count;
      const bool byDefault = words.size() == 3;
      zone.SectionName[count] = words[1];
      zone.SectionSelected[count] = byDefault;
      zone.SectionDefault[count] = byDefault;
      zone.SectionCount = count;
      DebugLog("Tolerance section " + words[1] + " number " + N(count), 1);
    }
  }
  zone.SectionCount = count;
  if (count != declared) {
    Fail(blade, Translate("Tolerance file NUM_SECT parameter (") + N(declared) +
                    Translate(") and tolerance file counted sections (") + N(count) +
                    Translate(") are not equal") + ".");
    return false;
  }
  if (count == 0) {
    Fail(blade, Translate("Error Zero sections found in") + " " + path + ".");
    return false;
  }
  return true;
}

bool ReadTe(BladeContext& blade, ListInput& input, const std::string& path) {
  ZoneState& zone = blade.Zone();
  input.Record();
  auto second = input.Record();
  const bool lotPlot = second && ContainsNoCase(*second, "1NONE");
  const int perSection = lotPlot ? 4 : 3;
  DebugLog(
      lotPlot ? "Tolerance file calls out lotplot." : "Tolerance file does not call out lotplot.",
      0);
  if (lotPlot) input.Record();
  input.Record();
  input.Record();

  int number = 0;
  long long counter = 0;
  while (auto record = input.Record()) {
    ++counter;
    if (counter != 1 && counter % perSection != 1) continue;
    const int n = counter == 1 ? 1 : static_cast<int>(counter / perSection) + 1;
    if (n > kMaxSections) {
      TooMany(blade, path);
      return false;
    }
    number = n;
    const std::string label = Trim(record->substr(0, 7));
    const bool byDefault = record->find(" I ") != std::string::npos;
    zone.SectionName[n] = label;
    zone.SectionSelected[n] = byDefault;
    zone.SectionDefault[n] = byDefault;
    zone.SectionCount = n;
    DebugLog("Tolerance section " + label + " number " + N(n) + " counter " + N(counter), 6);
  }
  zone.SectionCount = number;
  if (number < 1) {
    Fail(blade, Translate("Error Zero sections found in") + " " + path + ".");
    return false;
  }
  return true;
}

}  // namespace

void SectionSet(BladeContext& blade) {
  DebugLog("SectionSet: Start:", 7);
  ZoneState& zone = blade.Zone();
  if (Trim(zone.Flavor).empty()) {
    DebugLog("SectionSet: End: Found that a blade inspection was not called.", 5);
    return;
  }
  zone.SectionSelected.fill(false);

  auto path = blade.PartFile(zone.TolName + zone.TolExt);
  if (!path) {
    blade.zones.DisZone(blade.zones.gzone);
    return;
  }
  DebugLog("SectionSet: Reading " + *path, 0);
  auto input = FileExists(*path, true) ? ListInput::Open(*path) : std::nullopt;
  if (!input) {
    Fail(blade, Translate("Tolerance file") + " " + *path + " " + Translate("not found") + ".");
    return;
  }
  const bool te = EqualsNoCase(zone.TolExt, ".te");
  if (!(te ? ReadTe(blade, *input, *path) : ReadTol(blade, *input, *path))) return;

  if (zone.OpSections && !zone.OpSections->empty()) {
    zone.SectionSelected.fill(false);
    zone.SectionDefault.fill(false);
    const auto& wanted = *zone.OpSections;
    for (int n = 1; n <= zone.SectionCount; ++n) {
      if (std::find(wanted.begin(), wanted.end(), zone.SectionName[n]) == wanted.end()) continue;
      zone.SectionSelected[n] = true;
      zone.SectionDefault[n] = true;
      DebugLog(
          "SectionSet: Op Tolerance section turned on " + zone.SectionName[n] + " number " + N(n),
          1);
    }
  }
  if (blade.sectionObserver != nullptr) blade.sectionObserver->SectionUpdate();
  DebugLog("SectionSet: End", 7);
}

}  // namespace zantrel
