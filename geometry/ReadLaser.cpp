#include "geometry/ReadLaser.h"

#include <cmath>
#include <vector>

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/FileOps.h"
#include "foundation/Format.h"
#include "foundation/Lang.h"
#include "foundation/TextFile.h"
#include "geometry/Support.h"
#include "geometry/blMath.h"
#include "platform/Clock.h"

namespace zantrel {

namespace {

void Bar(Progress& progress, double value) {
  progress.SetValue(static_cast<int>(std::lround(Minimum(value, 100))));
  progress.Refresh();
  progress.Refresh();
}

// Half of the count, halves to the even neighbour.
long HalfToEven(long count) {
  const long half = count / 2;
  if (count % 2 == 0) return half;
  return half % 2 == 0 ? half : half + 1;
}

}  // namespace

std::optional<SectionSet> readDataLaser(RichText& /*richText*/, const std::string& /*reportPath*/,
                                        long& expectedCount, Progress& progress) {
  DebugLog("Start of readDataLaser...", 7);
  const std::string caption = Translate("Processing Laser measured data...");
  progress.SetCaption(caption);
  DebugLog(caption, 0);
  progress.SetLabel(caption);
  progress.SetValue(0);
  progress.Refresh();
  progress.Show();
  DebugLog("readDataLaser: After show of frmProgress...", 9);
  progress.Refresh();

  auto fail = [&](const std::string& message) {
    progress.Close();
    DebugLog(message, 0, true, kErrr);
    DebugLog("End of readDataLaser...", 7);
    return std::optional<SectionSet>();
  };

  if (expectedCount < 2) {
    return fail(
        Translate("No laser section data read: the number of point collections expected is") + " " +
        std::to_string(expectedCount) + ", " + Translate("at least 2 (one section) are needed") +
        ".");
  }
  const long files = HalfToEven(expectedCount);
  expectedCount = files;

  SectionSet result;
  Clock* clock = Ctx().platform.clock;
  for (long n = 1; n <= files; ++n) {
    const std::string path =
        JoinPath(Ctx().programFolder.string(), "Section" + std::to_string(n) + ".xyz");
    const auto missing = [&] {
      return fail(Translate("Error: File not found") + " " + path + " " +
                  Translate("laser section data file") + ".");
    };
    if (!FileExists(path, true)) return missing();
    const std::optional<std::vector<std::string>> lines = ReadLines(NativePath(path));
    if (!lines) return missing();
    Bar(progress, static_cast<double>(n) / static_cast<double>(files) * 50.0);
    if (Logs(10)) DebugLog("Progress Bar Value: " + std::to_string(progress.Value()), 10);
    if (Logs(5)) DebugLog("readDataLaser Section count: " + std::to_string(n), 5);
    if (clock) clock->ProcessEvents();

    ijk first;
    ijk rest;
    long pointLines = 0;
    long lineNumber = 0;
    for (const std::string& line : *lines) {
      ++lineNumber;
      const Words words = Tokenize(std::string_view(line));
      if (words.size() != 3 && words.size() != 6) continue;
      double v[3];
      for (int c = 0; c < 3; ++c) {
        const std::optional<double> value = ToDouble(words[static_cast<size_t>(c)]);
        if (!value) {
          return fail(Translate("Point line with a word that is not a number in:") + " " + path +
                      ", " + "line " + std::to_string(lineNumber) + ": " + line);
        }
        v[c] = static_cast<double>(static_cast<float>(*value));
      }
      ++pointLines;
      (pointLines == 1 ? first : rest).Add(v[0], v[1], v[2]);
    }
    if (pointLines == 0) DebugLog("readDataLaser: No point line in " + path, 0);
    result.Add(std::move(first));
    result.Add(std::move(rest));
  }
  DebugLog("readDataLaser: After reading all section laser xyz files...", 9);
  Bar(progress, static_cast<double>(result.Count()) / static_cast<double>(files) * 50.0);
  DebugLog("End of readDataLaser...", 7);
  return result;
}

}  // namespace zantrel
