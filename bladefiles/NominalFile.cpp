#include "bladefiles/NominalFile.h"

#include "bladefiles/BladeTxt.h"
#include "bladefiles/ListInput.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "geometry/ConvertPts.h"
#include "geometry/blMath.h"

namespace zantrel {

namespace {

std::string N(long long value) {
  return std::to_string(value);
}

// The points conversion only writes a file when the operator goes through its questions.
void ConvertPoints(BladeContext& blade, const std::string& local, const std::string& network) {
  MemoryProgress quiet;
  Progress& progress = blade.progress != nullptr ? *blade.progress : quiet;
  if (!ConvertPts2(local + ".pts", progress) || !FileExists(local + ".nom", true)) return;
  if (blade.ConfiguredOnNetwork() && blade.ConfiguredReachable()) {
    FCopy(local + ".nom", network + ".nom");
  }
}

// The nose or tail of one nominal section as the file gives it.
struct Edge {
  long point = 0;
  long from = 0;
  long to = 0;
  std::string type;
  bool found = false;
};

struct NomSection {
  int number = 0;
  std::string label;
  ijk points;
  Edge nose;
  Edge tail;
  double leChange = 0;
  double teChange = 0;
};

void LineError(const std::string& text, const std::string& path, int section) {
  DebugLog(
      Translate(text) + " " + path + " " + Translate("section number") + " " + N(section) + ".", 0,
      true);
}

// "NOSE n" or "NOSE from to type"; false when the line has another form.
bool ReadEdge(const Words& words, Edge& edge) {
  if (words.size() == 2 || words.size() == 3) {
    auto point = ToLong(words[1]);
    if (!point) return false;
    edge = Edge{*point, 0, 0, "", true};
    return true;
  }
  if (words.size() == 4 || words.size() == 5) {
    auto from = ToLong(words[1]);
    auto to = ToLong(words[2]);
    if (!from || !to) return false;
    edge = Edge{0, *from, *to, UCase(words[3]), true};
    return true;
  }
  return false;
}

bool ReadPoint(const Words& words, points& p) {
  const size_t n = words.size();
  if (n != 3 && n != 5 && n != 6 && n != 8) return false;
  double values[6] = {0, 0, 0, 0, 0, 0};
  const size_t used = n >= 6 ? 6 : 3;
  for (size_t w = 0; w < used; ++w) {
    auto value = ToDouble(words[w]);
    if (!value) return false;
    values[w] = *value;
  }
  p = points{values[0], values[1], values[2], values[3], values[4], values[5], 0, 0};
  return true;
}

bool InSection(const ijk& section, long point) {
  return point >= 1 && point <= section.Count();
}

// Settles nose and tail of a selected section and appends it to blade.txt.
bool FinishSection(BladeContext& blade, NomSection& s, const std::string& path) {
  if (!blade.Zone().IsSectionSelected(s.label)) {
    DebugLog("Section not selected: " + s.label, 3);
    return true;
  }
  DebugLog("Calculating Nose and Tail for section " + s.label, 3);
  ijk& pts = s.points;
  if (pts.Count() < 3) {
    DebugLog(Translate("Section") + " " + s.label + " " + Translate("of nominal file") + " " +
                 path + " " + Translate("has fewer than three points") + ".",
             0, true);
    return false;
  }
  for (auto [edge, text] :
       {std::pair<Edge*, const char*>{&s.nose, "NOSE line read error in nominal file"},
        {&s.tail, "TAIL line read error in nominal file"}}) {
    bool ranged = edge->found && edge->point == 0;
    if ((edge->point != 0 && !InSection(pts, edge->point)) ||
        (ranged && (!InSection(pts, edge->from) || !InSection(pts, edge->to)))) {
      LineError(text, path, s.number);
      return false;
    }
  }

  long nose = s.nose.point;
  long tail = s.tail.point;
  if (s.nose.found && nose == 0) {
    DebugLog("Npt was 0 and NoseFound was True, Nose must be forge or partial", 9);
    const points& a = pts.Item(s.nose.from);
    const points& b = pts.Item(s.nose.to);
    nose = ClosestXY(pts, (a.x + b.x) / 2, (a.y + b.y) / 2);
  }
  if (s.tail.found && tail == 0) {
    DebugLog("Tpt was 0 and TailFound was True, Tail must be forge or partial", 9);
    const points& a = pts.Item(s.tail.from);
    const points& b = pts.Item(s.tail.to);
    tail = ClosestXY(pts, (a.x + b.x) / 2, (a.y + b.y) / 2);
  }
  GetNoseTail(pts, nose, tail);
  long nose1 = s.nose.from, nose2 = s.nose.to, tail1 = s.tail.from, tail2 = s.tail.to;
  if (nose != 1) sReorder(pts, nose, nose1, nose2, tail, tail1, tail2);
  if (s.nose.type != "PARTIAL" && s.nose.type != "SQUARE") nose1 = nose2 = 0;
  if (s.tail.type != "PARTIAL" && s.tail.type != "SQUARE") tail1 = tail2 = 0;
  return writeBtxt(blade, pts, s.label, nose, nose1, nose2, tail, tail1, tail2, s.nose.type,
                   s.tail.type, s.leChange, s.teChange);
}

std::string AfterColon(const std::string& line) {
  size_t colon = line.find(':');
  return colon == std::string::npos ? line : line.substr(colon + 1);
}

}  // namespace

bool NomsExist(BladeContext& blade, const std::string& nominalBase,
               const std::string& toleranceBase) {
  DebugLog("NomsExist: Start:", 7);
  auto local = blade.PartFile(nominalBase);
  auto tolerance = blade.PartFile(toleranceBase);
  if (!local || !tolerance) return false;
  const std::string network =
      JoinPath(JoinPath(blade.configuredBlades, Trim(blade.Zone().PartNo)), nominalBase);
  DebugLog("NomsExist: NomFile Name: " + *local, 3);

  if (FileExists(*local + ".pts", true) && !FileExists(*local + ".nom", true)) {
    ConvertPoints(blade, *local, network);
  }

  const bool oem = UCase(ReadIniKey(NativePath(blade.settingsFile), "NOM_MODE")) == "OEM";
  // The later of the two tests wins when both files exist.
  const char* nominalOrder[2] = {".ua", ".nom"};
  if (oem) std::swap(nominalOrder[0], nominalOrder[1]);
  std::string nomExt;
  for (const char* ext : nominalOrder) {
    if (FileExists(*local + ext, true)) nomExt = ext;
  }
  if (nomExt.empty()) {
    DebugLog(Translate("Nominal files not found in") + " " + *local + ".", 0, true);
    return false;
  }

  DebugLog("NomsExist: TolFile Name:" + *tolerance, 3);
  const char* toleranceOrder[2] = {".te", ".tol"};
  if (oem) std::swap(toleranceOrder[0], toleranceOrder[1]);
  std::string tolExt;
  for (const char* ext : toleranceOrder) {
    if (FileExists(*tolerance + ext, true)) tolExt = ext;
  }
  if (tolExt.empty()) {
    DebugLog(
        Translate("Tolerance files not found in") + " " + *tolerance + " " + "(tol or te)" + ".", 0,
        true);
    return false;
  }
  blade.Zone().NomExt = nomExt;
  blade.Zone().TolExt = tolExt;
  return true;
}

bool ReadNOMfile3(BladeContext& blade, const std::string& path, bool verify) {
  const Words declaredWords = Tokenize(std::string_view(ReadIniKey(NativePath(path), "NUM_SECT")));
  const long long declared = declaredWords.empty() ? 0 : ToLong(declaredWords[0]).value_or(0);
  DebugLog("ReadNOMfile3: NUM_SECT: " + N(declared), 3);
  if (declared < 1) {
    DebugLog(Translate("NUM_SECT line read error in nominal file") + " " + path + ".", 0, true);
    return false;
  }
  DebugLog("ReadNOMfile3 reading file: " + path, 7);
  auto lines = ReadLines(NativePath(path));
  if (!lines) {
    DebugLog(Translate("Error finding") + " " + path + ".", 0, true);
    return false;
  }

  NomSection section;
  bool open = false;
  int count = 0;
  for (const std::string& line : *lines) {
    if (IsCommentLine(line)) continue;
    Words words = Tokenize(std::string_view(line));
    if (words.empty()) continue;
    if (ContainsNoCase(line, "NUM_SECT") || ContainsNoCase(line, "UNITS")) continue;
    if (ContainsNoCase(line, "SECTION")) {
      if (open && !FinishSection(blade, section, path)) return false;
      ++count;
      if (words.size() < 4 || words.size() > 6) {
        LineError("SECTION line read error in nominal file", path, count);
        return false;
      }
      section = NomSection{};
      section.number = count;
      section.label = Trim(words[1]);
      open = true;
      DebugLog("ReadNomfile3 found section " + section.label, 3);
    } else if (ContainsNoCase(line, "NOSE")) {
      DebugLog("Found NOSE for section " + section.label, 4);
      if (!ReadEdge(words, section.nose)) {
        LineError("NOSE line read error in nominal file", path, count);
        return false;
      }
    } else if (ContainsNoCase(line, "TAIL")) {
      DebugLog("Found TAIL for section " + section.label, 4);
      if (!ReadEdge(words, section.tail)) {
        LineError("TAIL line read error in nominal file", path, count);
        return false;
      }
    } else if (ContainsNoCase(line, "OFFSETS") || ContainsNoCase(line, "CHANGES")) {
      auto le = words.size() == 3 ? ToDouble(words[1]) : std::nullopt;
      auto te = words.size() == 3 ? ToDouble(words[2]) : std::nullopt;
      if (!le || !te) {
        LineError("CHANGES(OFFSETS) line read error in nominal file", path, count);
        return false;
      }
      section.leChange = *le;
      section.teChange = *te;
    } else {
      points p;
      if (!ReadPoint(words, p)) {
        LineError("Line read error in nominal file", path, count);
        DebugLog(Translate("Line:") + " " + line, 0, true);
        return false;
      }
      if (open && blade.Zone().IsSectionSelected(section.label)) {
        DebugLog("ReadNOMfile3: " + JoinList(words), 10);
        section.points.Add(p);
      }
    }
  }
  if (open && !FinishSection(blade, section, path)) return false;

  if (!verify) return true;
  DebugLog("ReadNOMfile3: Verifying section labels and number of sections...", 0);
  const ZoneState& zone = blade.Zone();
  const int m = zone.SectionCount;
  if (count != m) {
    DebugLog(Translate("Nominal file sections (") + N(count) +
                 Translate(") and tolerance file sections (") + N(m) +
                 Translate(") are not equal") + ".",
             0, true);
    return false;
  }
  auto tolerance = blade.PartFile(zone.TolName + zone.TolExt);
  if (!tolerance) return false;
  auto nominalLabels = getaKeySet(NativePath(path), "SECTION", 2).value_or(Words{});
  auto toleranceLabels = getaKeySet(NativePath(*tolerance), "SECTION", 2).value_or(Words{});
  const std::string a = N(static_cast<long long>(nominalLabels.size()));
  const std::string b = N(static_cast<long long>(toleranceLabels.size()));
  if (nominalLabels.size() != toleranceLabels.size()) {
    DebugLog(Translate("Nominal file sections (") + a +
                 Translate(") and tolerance file sections (") + b + Translate(") aren't equal") +
                 ".",
             0, true);
    return false;
  }
  if (nominalLabels != toleranceLabels) {
    DebugLog(Translate("Nominal file section labels (") + a +
                 Translate(") and tolerance file section labels (") + b +
                 Translate(") aren't equal") + ".",
             0, true);
    return false;
  }
  return true;
}

std::optional<std::vector<std::string>> ReadUAfile(BladeContext& blade, const std::string& path) {
  auto input = ListInput::Open(path);
  auto failed = [&](const std::string& line) {
    DebugLog(Translate("Error Reading UA file") + " " + path + (line.empty() ? "" : " ") + line, 0,
             true);
    return std::nullopt;
  };
  if (!input) return failed("");
  DebugLog("ReadUAfile: Reading file: " + path, 7);

  std::string header[14];
  for (int n = 1; n <= 13; ++n) {
    auto line = input->Line();
    if (!line) return failed("");
    header[n] = *line;
  }
  const long long sections = ToLong(Trim(AfterColon(header[10]))).value_or(0);
  const long long second = ToLong(Trim(AfterColon(header[11]))).value_or(0);
  if (sections == 0 || second == 0 || sections < 0) return failed("");
  input->Line();  // the line before the first section

  std::vector<std::string> labels;
  for (long long s = 1; s <= sections; ++s) {
    auto labelLine = input->Line();
    if (!labelLine) return failed("");
    NomSection section;
    section.number = static_cast<int>(s);
    section.label = Trim(AfterColon(*labelLine));
    labels.push_back(section.label);
    DebugLog("ReadUAfile found section " + section.label, 3);
    for (int skip = 0; skip < 5; ++skip) input->Line();
    // The first record that is not a point ends the section (and is used up).
    while (auto record = input->Record()) {
      std::string text = ReplaceAll(*record, "\t", " ");
      Words words = Tokenize(std::string_view(text));
      if (words.size() != 7) break;
      double v[6];
      for (int w = 0; w < 6; ++w) {
        auto value = ToDouble(words[w]);
        if (!value) return failed(*record);
        v[w] = *value;
      }
      if (blade.Zone().IsSectionSelected(section.label)) {
        section.points.Add(v[0], v[1], v[2], v[3], v[4], v[5]);
      }
    }
    if (!FinishSection(blade, section, path)) return std::nullopt;
  }

  const int m = blade.Zone().SectionCount;
  if (static_cast<long long>(labels.size()) != m) {
    DebugLog(Translate("Nominal file sections (") + N(static_cast<long long>(labels.size())) +
                 Translate(") and tolerance file sections (") + N(m) +
                 Translate(") are not equal") + ".",
             0, true);
    return std::nullopt;
  }
  return labels;
}

}  // namespace zantrel
