#include "geometry/ReadPts.h"

#include <cmath>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/TextFile.h"
#include "geometry/Support.h"
#include "geometry/blMath.h"
#include "platform/Clock.h"
#include "platform/RichText.h"

namespace zantrel {

namespace {

bool IsNumeric(const std::string& word) {
  return ToDouble(word).has_value();
}

bool Ignored(std::string_view line) {
  static const std::string_view kIgnore[] = {"DIM", "AX ", "M   ", "PART", "R   ", "A   ", "BUILT"};
  for (std::string_view word : kIgnore) {
    if (ContainsUpper(line, word)) return true;
  }
  return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Single precision, as the host's numbers are meant.
double Single(const std::string& word, std::string_view line) {
  const std::optional<double> value = ToDouble(word);
  if (!value)
    throw PointConversionError("\"" + word + "\" is not a number in: " + std::string(line));
  return static_cast<double>(static_cast<float>(*value));
}

void Bar(Progress& progress, long blocks, long expected) {
  const double value =
      Minimum(static_cast<double>(blocks) / static_cast<double>(expected) * 50.0, 100);
  progress.SetValue(static_cast<int>(std::lround(value)));
  progress.Refresh();
  progress.Refresh();
}

// Lines of a text ended by LF or CR LF; the last line may lack its end.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    start = next;
  }
}

}  // namespace

bool Parseline(std::string_view line, PointValues& values) {
  if (Ignored(line)) {
    if (Logs(10)) DebugLog("Parseline ignored line: " + std::string(line), 10);
    return false;
  }
  const Words words = Tokenize(line);
  const size_t w = words.size();
  const bool lastNumeric = w > 0 && IsNumeric(words.back());
  size_t first = 0;  // 1-based number of the first word taken
  switch (w) {
    case 8:
      if (!IsNumeric(words[1])) return false;
      first = 2;
      break;
    case 9:
      if (!IsNumeric(words[2])) return false;
      first = lastNumeric ? 3 : 2;
      break;
    case 10:
      if (!IsNumeric(words[3])) return false;
      first = lastNumeric ? 4 : 3;
      break;
    case 11:
      // The last seven words when the last is a number, as for 9 and 10 words.
      if (!IsNumeric(words[3])) return false;
      first = lastNumeric ? 5 : 4;
      break;
    default:
      if (Logs(9)) {
        DebugLog("Reading Kormet output line not understood, line: " + std::string(line), 9);
      }
      return false;
  }
  double v[7];
  for (size_t n = 0; n < 7; ++n) v[n] = Single(words[first - 1 + n], line);
  values = PointValues{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
  return true;
}

std::optional<SectionSet> readData(RichText& richText, const std::string& reportPath,
                                   long expectedCount, Progress& progress) {
  DebugLog("Start of readData...", 7);
  if (expectedCount < 1) expectedCount = 1;
  const std::string caption = Translate("Processing measured data...");
  progress.SetCaption(caption);
  DebugLog(caption, 0);
  progress.SetLabel(caption);
  progress.SetValue(0);
  progress.Show();
  progress.Refresh();
  DebugLog("readData: After show of frmProgress...", 9);

  auto fail = [&](const std::string& message) {
    progress.Close();
    DebugLog(message, 0, true, kErrr);
    DebugLog("End of readData...", 7);
    return std::optional<SectionSet>();
  };
  const std::string notFound = Translate("Data not understood or not found in:") + " " + reportPath;

  const std::optional<std::string> report = ReadAll(NativePath(reportPath));
  if (!report) return fail(notFound);
  const std::string plain = richText.ToPlainText(*report);
  {
    std::string work;
    work.reserve(plain.size() + plain.size() / 16);
    ForEachLine(plain, [&](std::string_view line) {
      work += line;
      work += "\r\n";
    });
    const std::string workFile = JoinPath(Ctx().programFolder.string(), "tmpwrk.txt");
    try {
      WriteAll(NativePath(workFile), work);
    } catch (const FileError& error) {
      DebugLog("readData: " + workFile + " not written: " + error.what(), 0);
    }
  }
  DebugLog("readData: After creation of tmpwrk...", 9);

  const bool german = NumberOr(ReadIniKey(SettingsFile(), "Language"), 1) == 4;
  const std::string_view marker = german ? "PUNKTINFO" : "POINTDATA";

  bool inData = false;
  bool enough = false;
  long lineNumber = 0;
  std::string badLine;
  std::string badReason;
  SectionSet result;
  ijk block;
  Clock* clock = Ctx().platform.clock;
  ForEachLine(plain, [&](std::string_view line) {
    ++lineNumber;
    if (!badLine.empty()) return;
    if (ContainsUpper(line, marker)) {
      if (inData) {
        DebugLog("readData: Kormet output section.count (POINTDATA FOUND) is: " +
                     std::to_string(block.Count()),
                 0);
        result.Add(std::move(block));
      }
      block = ijk();
      inData = true;
      Bar(progress, result.Count(), expectedCount);
      if (Logs(10)) DebugLog("Progress Bar Value: " + std::to_string(progress.Value()), 10);
      if (Logs(5)) DebugLog("readData Section count: " + std::to_string(result.Count()), 5);
      if (clock) clock->ProcessEvents();
      return;
    }
    if (!inData) return;
    PointValues v;
    try {
      if (!Parseline(line, v)) return;
    } catch (const PointConversionError& error) {
      badLine = "line " + std::to_string(lineNumber) + ": " + std::string(line);
      badReason = error.what();
      return;
    }
    block.Add(v.x, v.y, v.z, v.i, v.j, v.k, v.v7, 0);
    if (block.Count() > 10) enough = true;
  });

  if (!badLine.empty()) {
    DebugLog("readData: " + badReason, 0);
    return fail(Translate("Point line with a word that is not a number in:") + " " + reportPath +
                ", " + badLine);
  }
  if (!enough || !inData) return fail(notFound);
  result.Add(std::move(block));
  Bar(progress, result.Count(), expectedCount);
  DebugLog("End of readData...", 7);
  return result;
}

}  // namespace zantrel
