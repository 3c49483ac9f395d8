// Reading a host report of a million points: the reader makes one pass over the text.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "foundation/TextFile.h"
#include "geometry/Progress.h"
#include "geometry/ReadPts.h"
#include "platform/rtf/RtfRichText.h"
#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

class PlainText : public RichText {
 public:
  std::string ToPlainText(const std::string& content) override { return content; }
};

constexpr long kPoints = 1000000;
constexpr long kPerBlock = 500;

// The report as the host writes it: a marker line per block, one labelled point per line.
std::string Report(bool rtf) {
  const char* end = rtf ? "\\par\r\n" : "\r\n";
  std::string text = rtf ? "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Courier New;}}\\f0\\fs18 " : "";
  text.reserve(static_cast<size_t>(kPoints) * 64);
  char line[160];
  for (long n = 0; n < kPoints; ++n) {
    if (n % kPerBlock == 0) {
      text += "POINTDATA section " + std::to_string(n / kPerBlock + 1);
      text += end;
    }
    std::snprintf(line, sizeof line, "PNT%ld %.5f %.5f %.5f %.5f %.5f %.5f %.5f%s", n % kPerBlock,
                  n * 1e-5, 0.25 + n * 1e-6, 1.5, 0.6, -0.8, 0.0, 0.0012, end);
    text += line;
  }
  if (rtf) text += "}";
  return text;
}

void ReadReport(benchmark::State& state, bool rtf) {
  TestPlatform tp(0);
  const std::string path = (tp.Folder() / "blade.rtf").string();
  const std::string report = Report(rtf);
  WriteAll(path, report);
  PlainText plain;
  RtfRichText richText;
  RichText& reader = rtf ? static_cast<RichText&>(richText) : plain;
  long points = 0;
  for (auto _ : state) {
    MemoryProgress progress;
    auto set = readData(reader, path, kPoints / kPerBlock, progress);
    if (!set) state.SkipWithError("report not read");
    points = 0;
    for (const ijk& block : *set) points += block.Count();
    benchmark::DoNotOptimize(points);
  }
  if (points != kPoints) state.SkipWithError("points lost");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(report.size()));
  state.counters["points"] = static_cast<double>(points);
}

void BM_ReadDataPlain(benchmark::State& state) {
  ReadReport(state, false);
}
void BM_ReadDataRtf(benchmark::State& state) {
  ReadReport(state, true);
}

BENCHMARK(BM_ReadDataPlain)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadDataRtf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zantrel

BENCHMARK_MAIN();
