#include "bladefiles/BladeTxt.h"

#include <stdexcept>
#include <vector>

#include "bladefiles/ListInput.h"
#include "bladefiles/NominalFile.h"
#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "geometry/blMath.h"
#include "platform/Shell.h"

namespace zantrel {

namespace {

std::string N(long long value) {
  return std::to_string(value);
}

class SectionLines {
 public:
  SectionLines(const ijk& section, bool offsets) : section_(section), offsets_(offsets) {}

  void Offset(const char* name, double change) {
    if (offsets_) lines.push_back(std::string(name) + "   " + FormatFixed(change, 5));
  }
  void Point(long number, const std::string& endText) {
    if (number < 1 || number > section_.Count()) {
      throw std::out_of_range("point " + N(number) + " of " + N(section_.Count()));
    }
    Point(section_.Item(number), endText);
  }
  void Point(const points& p, const std::string& endText) {
    double factor = 1;
    lines.push_back(PointLineText(p, endText, false, factor));
  }
  // The middle of a square edge: every value the mean of the two range points.
  void Mean(long from, long to, const std::string& endText) {
    if (from < 1 || from > section_.Count() || to < 1 || to > section_.Count()) {
      throw std::out_of_range("range " + N(from) + " " + N(to) + " of " + N(section_.Count()));
    }
    const points& a = section_.Item(from);
    const points& b = section_.Item(to);
    Point(points{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2, (a.i + b.i) / 2,
                 (a.j + b.j) / 2, (a.k + b.k) / 2, 0, 0},
          endText);
  }

  std::vector<std::string> lines;

 private:
  const ijk& section_;
  bool offsets_;
};

// The definition file's line for the section: its words, nullopt when it has none.
std::optional<Words> DefinitionLine(const std::string& path, const std::string& label,
                                    std::string& record) {
  DebugLog("Before opening " + path, 10);
  auto input = ListInput::Open(path);
  if (!input) return std::nullopt;
  DebugLog("writeBtxt: Opened " + path, 1);
  std::optional<Words> found;
  while (auto next = input->Record()) {
    if (IsCommentLine(*next)) continue;
    Words words = Tokenize(std::string_view(*next));
    if (!words.empty() && Trim(words[0]) == label) {
      found = words;
      record = *next;
      break;
    }
  }
  DebugLog("writeBtxt: Closed " + path, 1);
  return found;
}

}  // namespace

std::string BladeTxtPath() {
  return JoinPath(Ctx().programFolder.string(), "blade.txt");
}

bool writeBtxt(BladeContext& blade, const ijk& section, const std::string& label, long nose,
               long nose1, long nose2, long tail, long tail1, long tail2, std::string noseType,
               std::string tailType, double leChange, double teChange) {
  DebugLog("writeBtxt: Start: Section " + label + " NoseKey: " + N(nose) + " TailKey: " + N(tail),
           7);
  if (noseType.empty()) noseType = "FULL";
  if (tailType.empty()) tailType = "FULL";
  const bool offsets = NumberOr(ReadIniKey(NativePath(blade.settingsFile), "SendScanOffsets")) == 1;
  auto definition = blade.PartFile(Trim(blade.Zone().PartNo) + ".def");
  if (!definition) return false;
  const bool hasDefinition = FileExists(*definition, true);
  const bool partial = noseType == "PARTIAL" || tailType == "PARTIAL";
  const bool square = noseType == "SQUARE" || tailType == "SQUARE";

  SectionLines out(section, offsets);
  try {
    if (hasDefinition && !partial) {
      std::string record;
      auto words = DefinitionLine(*definition, label, record);
      if (words && words->size() < 2) {
        DebugLog(Translate("Error reading") + " " + *definition + " " + Translate("Line:") + " " +
                     record,
                 0, true);
        blade.zones.DisZone(blade.zones.gzone);
        return false;
      }
      out.Offset("LE_CHANGE", leChange);
      out.Offset("TE_CHANGE", teChange);
      if (words) {
        std::string percentages;
        for (size_t w = 1; w < words->size(); ++w) percentages += " " + (*words)[w];
        DebugLog("writeBtxt: Found " + N(static_cast<long long>(words->size() - 1)) +
                     " percentages for section " + label,
                 1);
        DebugLog("writeBtxt: Percentage for section " + label + " is" + percentages, 5);
        std::vector<long> arc;
        GetArcPt(section, *words, nose, tail, arc);
        DebugLog("Airfoil number of positions as reported by GetArcPt: " +
                     N(static_cast<long long>(arc.size())),
                 0);
        for (long point : arc) out.Point(point, "");
      } else {
        DebugLog("writeBtxt: Section " + label + " not found in definition file", 3);
        out.Point(nose, noseType);
        out.Point(tail, tailType);
      }
    } else if (partial) {
      DebugLog("Partial section: " + label + ", output nose and tail points: " +
                   (noseType == "PARTIAL" ? N(nose1) + " " + N(nose2) : N(nose)) + " " +
                   (tailType == "PARTIAL" ? N(tail1) + " " + N(tail2) : N(tail)),
               3);
      out.Offset("LE_CHANGE", leChange);
      if (noseType == "PARTIAL") {
        out.Point(nose1, noseType);
        out.Point(nose2, noseType);
      } else {
        out.Point(nose, noseType);
      }
      out.Offset("TE_CHANGE", teChange);
      if (tailType == "PARTIAL") {
        out.Point(tail1, tailType);
        out.Point(tail2, tailType);
      } else {
        out.Point(tail, tailType);
      }
    } else if (square) {
      DebugLog("Square section: " + label + ", output nose and tail points: " +
                   (noseType == "SQUARE" ? N(nose1) + " " + N(nose2) : N(nose)) + " " +
                   (tailType == "SQUARE" ? N(tail1) + " " + N(tail2) : N(tail)),
               3);
      out.Offset("LE_CHANGE", leChange);
      if (noseType == "SQUARE") {
        out.Mean(nose1, nose2, noseType);
      } else {
        out.Point(nose, noseType);
      }
      out.Offset("TE_CHANGE", teChange);
      if (tailType == "SQUARE") {
        out.Mean(tail1, tail2, tailType);
      } else {
        out.Point(tail, tailType);
      }
    } else {
      DebugLog("No definition file and not partial or square section: " + label +
                   ", output nose and tail points: " + N(nose) + " " + N(tail),
               3);
      out.Point(nose, noseType);
      out.Point(tail, tailType);
    }
  } catch (const std::out_of_range& error) {
    DebugLog(Translate("Section") + " " + label + ": " +
                 Translate("nose or tail point is not in the section") + " (" + error.what() + ").",
             0, true);
    return false;
  }

  try {
    WriteLines(NativePath(BladeTxtPath()), out.lines, true);
  } catch (const FileError& error) {
    DebugLog(Translate("Unable to write") + " " + BladeTxtPath() + "." + ErrorText(error), 0, true);
    return false;
  }
  DebugLog("writeBtxt: End: Section " + label, 7);
  return true;
}

bool WriteBladeTxt(BladeContext& blade) {
  Zones& zones = blade.zones;
  const int zone = zones.gzone;
  ZoneState& state = zones.Current();
  auto nominal = blade.PartFile(state.NomName + state.NomExt);
  DebugLog("WriteBladeTxt: Zone is: " + N(zone) + " and nominal file is: " + nominal.value_or(""),
           4);
  if (!nominal) return false;

  const bool platform =
      blade.options != nullptr && blade.options->CalcTicked(zone, zones.calcTable.PlatformCode());
  try {
    WriteLines(NativePath(BladeTxtPath()), {"PART " + state.PartNo, "FIXTURE_LOCATION " + N(zone),
                                            std::string("PLATFORM_CHECK ") + (platform ? "1" : "0"),
                                            "NUMBER_OF_SECTIONS " + N(state.SelectedCount())});
  } catch (const FileError& error) {
    DebugLog(Translate("Unable to write") + " " + BladeTxtPath() + "." + ErrorText(error), 0, true);
    return false;
  }

  bool read = false;
  if (state.NomExt == ".ua") {
    read = ReadUAfile(blade, *nominal).has_value();
    if (!read) zones.DisZone(zone);
  } else if (state.NomExt == ".nom") {
    read = ReadNOMfile3(blade, *nominal, true);
  } else {
    DebugLog(Translate("Nominal files not found in") + " " + *nominal + ".", 0, true);
  }

  if (!read && blade.interfaceMode == "TEST" && Ctx().debugLevel >= 10 &&
      Ctx().platform.shell != nullptr) {
    Ctx().platform.shell->Open("Open", BladeTxtPath(), "", Ctx().programFolder.string(), 1);
  }
  return read;
}

}  // namespace zantrel
