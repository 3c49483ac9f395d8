#include "geometry/ConvertPts.h"

#include <cmath>
#include <filesystem>
#include <optional>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"
#include "foundation/TextFile.h"
#include "geometry/Points.h"
#include "geometry/SecSort.h"
#include "geometry/Support.h"
#include "geometry/blMath.h"
#include "geometry/nReadPts.h"
#include "platform/Clock.h"
#include "platform/Operator.h"

namespace zantrel {

namespace {

std::string N(long value) {
  return std::to_string(value);
}

Operator& Op() {
  return *Ctx().platform.op;
}

bool AskYesNo(const std::string& text, const std::string& title) {
  return Op().Box(text, Translate(title), Buttons::YesNo) == Answer::Yes;
}

void Show(const std::string& text) {
  DebugLog(text, 0, true);
}

// Moves the bar only when its shown value changes.
void Bar(Progress& progress, double value) {
  const int shown = static_cast<int>(std::lround(value > 100 ? 100 : value));
  if (shown != progress.Value()) {
    progress.SetValue(shown);
    progress.Refresh();
  }
}

void StepText(Progress& progress, const std::string& text) {
  progress.Step(text);
  progress.Refresh();
}

// With the separator, so a cancelled dialog gives no file rather than the folder.
std::string ProgramFolder() {
  return JoinPath(Ctx().programFolder.string(), "");
}

double HeightTolerance(bool metric) {
  double tol = 0.04;
  const std::string text = ReadIniKey(SettingsFile(), "PointsOnSectionTolerance");
  if (const std::optional<double> value = ToDouble(text); value && *value > 0) tol = *value;
  return metric ? tol * 25.4 : tol;
}

// The starting section as a whole number of 1 or more; nothing abandons the conversion.
std::optional<long> AskStartingSection() {
  auto valid = [](const std::optional<std::string>& answer) -> std::optional<long> {
    const std::optional<long long> n = ToLong(Trim(answer.value_or("")));
    if (n && *n >= 1) return static_cast<long>(*n);
    return std::nullopt;
  };
  const std::string title = Translate("Starting Section");
  std::optional<std::string> answer = Op().Input(
      Translate("Enter the starting section as a number, (1=A-A, 2=B-B, etc)") + ".", title, "");
  if (Trim(answer.value_or("")).empty()) return std::nullopt;
  if (auto n = valid(answer)) return n;
  answer = Op().Input(
      Translate("Please RE-ENTER the starting section number as an INTEGER, (1=A-A, 2=B-B, etc)") +
          ".",
      title, "");
  if (auto n = valid(answer)) return n;
  DebugLog("ConvertPts2: starting section not understood: " + answer.value_or(""), 0);
  return std::nullopt;
}

double AskOffset(const std::string& prompt, const std::string& title, double fallback) {
  const std::optional<std::string> answer =
      Op().Input(Translate(prompt), Translate(title), NumText(fallback));
  if (const std::optional<double> value = ToDouble(Trim(answer.value_or("")))) return *value;
  DebugLog("ConvertPts2: " + title + " not a number, " + NumText(fallback) + " used.", 0);
  return fallback;
}

struct Choices {
  bool noseReset = false;
  bool pointOneNose = true;
  bool fullSort = false;
  bool simpleSort = false;
  double factor = 1;
};

// Nose at point 1, sorted as chosen; the nose and tail numbers stay beside the section.
void ShapeSection(ijk& section, long k, const Choices& c, Progress& progress) {
  const long count = section.Count();
  long nose = c.pointOneNose ? 1 : count / 2;
  long tail = c.pointOneNose ? count / 2 : 1;
  long nose1 = 0, nose2 = 0, tail1 = 0, tail2 = 0;
  auto startNearMiddle = [&] {
    const points& a = section.Item(nose);
    const points& b = section.Item(tail);
    const long start = ClosestXY(section, (a.x + b.x) / 2, (a.y + b.y) / 2);
    return start == 0 ? 1 : start;
  };
  auto findNoseTail = [&] {
    nose = 0;
    tail = 0;
    GetNoseTail(section, nose, tail);
  };
  auto renumber = [&] {
    if (nose != 1) sReorder(section, nose, nose1, nose2, tail, tail1, tail2);
  };
  const std::string number = " " + N(k);
  if (c.fullSort) {
    findNoseTail();
    StepText(progress, Translate("Partial Sorting Section") + number);
    SecSort(section, startNearMiddle(), progress);
    findNoseTail();
    StepText(progress, Translate("Full Sorting Section") + number);
    FullSecSort(section, startNearMiddle(), progress);
    if (section.Count() >= 2 && section.Item(1).x < section.Item(2).x) RevSec(section);
    if (c.noseReset) {
      findNoseTail();
      renumber();
    }
  } else if (c.simpleSort) {
    findNoseTail();
    StepText(progress, Translate("Simple Sorting Section") + number);
    SecSort(section, startNearMiddle(), progress);
    findNoseTail();
    renumber();
  }
  if (c.noseReset) {
    GetNoseTail(section, nose, tail);
    renumber();
  }
}

}  // namespace

std::string ConvertOutputPath(const std::string& input, const std::string& extension) {
  const size_t separator = input.find_last_of("/\\");
  const size_t dot = input.rfind('.');
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) {
    return input + "." + extension;
  }
  return input.substr(0, dot + 1) + extension;
}

std::vector<std::string> BuildSectionLabels() {
  std::vector<std::string> labels;
  for (char c = 'A'; c <= 'Z'; ++c) labels.push_back(std::string{c, '-', c});
  for (char first : {'A', 'B'}) {
    for (char c = 'A'; c <= 'Z'; ++c) {
      const std::string two{first, c};
      labels.push_back(two + "-" + two);
    }
  }
  auto without = [&labels](char letter) {
    for (size_t n = labels.size(); n-- > 0;) {
      if (labels[n].find(letter) != std::string::npos) labels.erase(labels.begin() + n);
    }
  };
  without('I');
  without('O');
  if (!AskYesNo(Translate("Is the letter 'Q' used in the section naming scheme?"),
                "Section Naming")) {
    without('Q');
  }
  return labels;
}

void WriteConvertHeader(std::vector<std::string>& lines, long sectionCount, const std::string& kind,
                        bool metricOutput) {
  if (kind == "nom") {
    lines.push_back(metricOutput ? "UNITS MM" : "UNITS INCH");
    lines.push_back("NUM_SECT " + N(sectionCount));
    return;
  }
  const std::string folder = ProgramFolder();
  const std::string flavor =
      OpenFileDlg(Translate("Select Flavor File"), "Flavor Files (*.flv)|*.flv", folder);
  const std::string part = Trim(
      Op().Input(Translate("Enter the Part Name"), Translate("Part Name"), "NewPart").value_or(""));
  const std::string nominal = OpenFileDlg(Translate("Select Nominal File"),
                                          "Nominal Files (*.nom;*.ua)|*.nom;*.ua", folder);
  const std::string tolerance = OpenFileDlg(Translate("Select Tolerance File"),
                                            "Tolerance Files (*.tol;*.te)|*.tol;*.te", folder);
  const std::string radius = Trim(Op().Input(Translate("Enter the probe radius in proper units"),
                                             Translate("Probe Radius"), "0.03947")
                                      .value_or(""));
  lines.push_back("FLAVOR " + flavor);
  lines.push_back("PART " + part);
  lines.push_back("DATE " + FormatTime(Ctx().platform.clock->Now(), "mm/dd/yy hh:mm:ss"));
  lines.push_back("NOMINAL " + nominal);
  lines.push_back("TOLERANCE " + tolerance);
  lines.push_back("RADIUS " + radius);
  lines.push_back("NUM_SECT " + N(sectionCount));
}

bool ConvertPts2(const std::string& path, Progress& progress) {
  DebugLog("ConvertPts2 reading file: " + path, 0);
  if (!FileExists(path, true)) {
    Show(Translate("File not found:") + " " + path + ".");
    return false;
  }
  if (Op().Box(path + " " +
                   Translate("is about to be converted.  Please check file after conversion for "
                             "accuracy") +
                   ".",
               Translate("File Conversion"), Buttons::OkCancel) != Answer::Ok) {
    return false;
  }
  const std::string kind =
      AskYesNo(Translate("Convert file to nominal file (YES) or report file (NO)") + "?",
               "Nominal or Report file")
          ? "nom"
          : "rpt";

  bool metric = parseFile(path, "METRIC", false);
  if (metric) DebugLog("File is metric.", 0);
  const std::vector<std::string> labels = BuildSectionLabels();
  const ijk all = ReadTXTBlade(path);
  const long n = all.Count();
  if (n < 40) {
    Show(Translate("Conversion acquired less than 40 points.  Conversion failed") + ".");
    return false;
  }

  const points& first = all.Item(1);
  if (std::fabs(first.z) > 50 && AskYesNo(Translate("Is this file METRIC?"), "METRIC/INCH?")) {
    metric = true;
  }
  DebugLog("ConvertPts2: Found " + N(n) + " points.", 0);
  const double tol = HeightTolerance(metric);
  DebugLog("ConvertPts2: First point checked: " + NumText(first.x) + " " + NumText(first.y) + " " +
               NumText(first.z),
           10);

  // Height levels: a new one wherever the height steps by more than the tolerance.
  std::vector<double> levels{first.z};
  DebugLog("ConvertPts2: Found z for section 1 at " + NumText(first.z), 9);
  StepText(progress, Translate("Calculating Section Heights..."));
  progress.SetValue(0);
  progress.Show();
  for (long i = 2; i <= n; ++i) {
    Bar(progress, static_cast<double>(i) / static_cast<double>(n) * 100.0);
    const double z = all.Item(i).z;
    if (std::fabs(z - all.Item(i - 1).z) > tol) {
      levels.push_back(z);
      DebugLog("ConvertPts2: Found Z for section " + N(static_cast<long>(levels.size())) + " at " +
                   NumText(z),
               9);
    }
  }
  DebugLog("ConvertPts2: Found " + N(static_cast<long>(levels.size())) + " sections.", 9);
  levels = SortAscending(levels);
  for (size_t m = levels.size(); m-- > 1;) {
    if (std::fabs(levels[m] - levels[m - 1]) < tol) levels.erase(levels.begin() + m);
  }
  Show(Translate("Sections found in file:") + " " + N(static_cast<long>(levels.size())));

  const std::optional<long> start = AskStartingSection();
  if (!start) return false;

  Choices choices;
  const std::string noseTitle = "Point 1 Nose/Tail Determination";
  choices.noseReset = AskYesNo(Translate("Reset nose point to point 1") + "?", noseTitle);
  if (choices.noseReset) {
    choices.pointOneNose = AskYesNo(
        Translate("Is point 1 closest to the NOSE of the airfoil (YES), or TAIL (NO)") + "?",
        noseTitle);
    DebugLog(std::string("ConvertPts2: Answer was: ") + (choices.pointOneNose ? "Yes" : "No"), 5);
  }
  const double defaultOffset = metric ? 0.2 * 25.4 : 0.2;
  const double le =
      AskOffset("Enter LE Offset Value in current units (MM/INCH)", "LE Offset", defaultOffset);
  const double te =
      AskOffset("Enter TE Offset Value in current units (MM/INCH)", "TE Offset", defaultOffset);
  choices.fullSort = AskYesNo(Translate("Would you like to full sort sections"), "Section Sort");
  if (!choices.fullSort) {
    choices.simpleSort =
        AskYesNo(Translate("Would you like to simple sort sections") + "?", "Section Sort");
  }
  const bool convertUnits =
      AskYesNo(Translate(metric ? "Current units are MM.  Would you like to convert to INCHES?"
                                : "Current units are INCHES.  Would you like to convert to MM?"),
               "Units Conversion");
  if (convertUnits) choices.factor = metric ? 1 / 25.4 : 25.4;
  const bool metricOutput = metric != convertUnits;

  std::vector<std::string> lines;
  bool headerWritten = false;
  long written = 0;
  std::vector<bool> taken(static_cast<size_t>(n) + 1, false);
  for (size_t level = 0; level < levels.size(); ++level) {
    const long k = static_cast<long>(level) + 1;
    StepText(progress, Translate("Creating Section") + " " + N(k));
    // From the last point to the first; a point belongs to the lowest level it is near.
    ijk section;
    for (long p = n; p >= 1; --p) {
      Bar(progress, static_cast<double>(n - p + 1) / static_cast<double>(n) * 100.0);
      if (taken[static_cast<size_t>(p)]) continue;
      const points& q = all.Item(p);
      if (std::fabs(q.z - levels[level]) < tol) {
        section.Add(q.x, q.y, q.z, q.i, q.j, q.k);
        taken[static_cast<size_t>(p)] = true;
      }
    }
    const long count = section.Count();
    DebugLog("ConvertPts2: Number of points in section: " + N(count), 9);
    if (count < 30) {
      Show(Translate("Points file converter found less than thirty points in section") + " " +
           N(k) + " " + Translate("(The section will be ignored)") + ".");
      continue;
    }
    if (count < 40) {
      Show(Translate("Points file converter found less than forty points in section") + " " + N(k) +
           " " +
           Translate("A well defined section contains at least forty or more points.  There is an "
                     "absolute minimum of thirty points.  Please reconsider the section "
                     "definition") +
           ".");
    } else {
      DebugLog("ConvertPts2: Number of points is ok", 5);
    }
    ShapeSection(section, k, choices, progress);

    const size_t labelNumber = static_cast<size_t>(k + *start - 1);
    if (labelNumber > labels.size()) {
      Show(Translate("No section label is left for section") + " " + N(k) + " " +
           Translate("(The section will be left out)") + ".");
      continue;
    }
    if (!headerWritten) {
      WriteConvertHeader(lines, static_cast<long>(levels.size()), kind, metricOutput);
      headerWritten = true;
    }
    const std::string& label = labels[labelNumber - 1];
    if (kind == "nom") {
      lines.push_back("SECTION " + label + " " + N(section.Count()) + " " +
                      FormatCoord(section.AverageZ() * choices.factor));
      lines.push_back("NOSE 1");
      lines.push_back("OFFSETS " + NumText(le * choices.factor) + " " +
                      NumText(te * choices.factor));
    } else {
      lines.push_back("SECTION " + label + " " + N(section.Count()));
    }
    double factor = choices.factor;
    for (const points& p : section) {
      lines.push_back(PointLineText(p, "", p.i == 0 && p.j == 0 && p.k == 0, factor));
    }
    ++written;
  }

  if (written == 0) {
    Show(Translate("No section of thirty or more points was found.  Conversion failed") + ".");
    return false;
  }
  // Only the sections written are counted.
  for (std::string& line : lines) {
    if (line.rfind("NUM_SECT ", 0) == 0) {
      line = "NUM_SECT " + N(written);
      break;
    }
  }

  const std::string output = ConvertOutputPath(path, kind);
  std::string working = ConvertOutputPath(path, "tmp");
  if (working == path) working += ".tmp";
  try {
    WriteLines(NativePath(working), lines);
  } catch (const FileError& error) {
    Show(Translate("Conversion file could not be written:") + " " + working + ".");
    DebugLog(std::string("ConvertPts2: ") + error.what(), 0);
    return false;
  }
  if (FileExists(output, true)) MakeOLD(output);
  const bool copied = FCopy(working, output);
  DeleteFileIfExists(working);
  if (!copied) {
    Show(Translate("Conversion file could not be written:") + " " + output + ".");
    return false;
  }
  Show(Translate("Finished file conversion") + "." + " " +
       Translate("Opening file to check conversion") + ".");
  ShellOpen("Open", output, "", NativePath(output).parent_path().string());
  return true;
}

bool ConvertTextFile(Progress& progress) {
  const std::string filter =
      "Text Files (*.txt;*.csv;*.rtf;*.dat;*.pts)|*.txt;*.csv;*.rtf;*.dat;*.pts|"
      "Actual Files(*.rpt;*.as;*.ma)|*.rpt;*.as;*.ma|"
      "Nominal Files(*.nom;*.xyz;*.ua;*.uaf;*.dat;*.pts)|*.nom;*.xyz;*.ua;*.uaf;*.dat;*.pts|"
      "All Files (*.*)|*.*";
  const std::string file = OpenFileDlg(Translate("Select File"), filter, ProgramFolder());
  if (Trim(file).empty()) return false;
  return ConvertPts2(file, progress);
}

}  // namespace zantrel
