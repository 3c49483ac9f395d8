// The scan writes blade.rtf so that the console's reader finds two blocks per section, nose to
// tail and tail to nose, with the points moved as configured.
#include <gtest/gtest.h>

#include "foundation/TextFile.h"
#include "geometry/Progress.h"
#include "geometry/ReadPts.h"
#include "platform/rtf/RtfRichText.h"
#include "platform/testing/TestPlatform.h"
#include "sim/kormet/Scan.h"

namespace zantrel::kormetsim {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(ZANTREL_FIXTURES) / "sim";

const points& First(const ijk& block) {
  return block.Item(1);
}
const points& Last(const ijk& block) {
  return block.Item(block.Count());
}

std::optional<SectionSet> ReadBack(const fs::path& file) {
  RtfRichText rtf;
  MemoryProgress progress;
  return readData(rtf, file.string(), 4, progress);
}

TEST(Scan, WritesTwoBlocksPerSectionThatTheReaderTakesBack) {
  TestPlatform tp(0);
  const fs::path out = tp.File("blade.rtf");
  ScanSettings settings;
  settings.pointsPerHalf = 25;
  const ScanResult result = ScanBlade(kFixtures / "blade.txt", kFixtures, out, settings);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.sections, (std::vector<std::string>{"A", "B"}));

  auto sections = ReadBack(out);
  ASSERT_TRUE(sections.has_value());
  ASSERT_EQ(sections->Count(), 4);
  for (const auto& block : *sections) EXPECT_EQ(block.Count(), 25);
  // Section A nose to tail: from x -20 to x 20 at the section's height.
  const ijk& first = sections->Item(1);
  EXPECT_NEAR(First(first).x, -20.0, 0.05);
  EXPECT_NEAR(Last(first).x, 20.0, 0.05);
  EXPECT_NEAR(First(first).z, 10.0, 1e-5);
  // Tail back to nose, then section B.
  EXPECT_NEAR(First(sections->Item(2)).x, 20.0, 0.05);
  EXPECT_NEAR(Last(sections->Item(2)).x, -20.0, 0.05);
  EXPECT_NEAR(First(sections->Item(3)).z, 25.0, 1e-5);
}

TEST(Scan, PointsFollowTheConfiguredOffsetAndTheSeed) {
  TestPlatform tp(0);
  ScanSettings exact;
  exact.offsetX = 0.25;
  exact.offsetY = -0.5;
  exact.rotation = 0;
  exact.noise = 0;
  ASSERT_EQ(ScanBlade(kFixtures / "blade.txt", kFixtures, tp.File("a.rtf"), exact).error, "");
  auto sections = ReadBack(tp.File("a.rtf"));
  ASSERT_TRUE(sections);
  EXPECT_NEAR(First(sections->Item(1)).x, -19.75, 1e-4);
  EXPECT_NEAR(First(sections->Item(1)).y, -0.5, 1e-4);

  ScanSettings noisy;
  ASSERT_EQ(ScanBlade(kFixtures / "blade.txt", kFixtures, tp.File("b.rtf"), noisy).error, "");
  ASSERT_EQ(ScanBlade(kFixtures / "blade.txt", kFixtures, tp.File("c.rtf"), noisy).error, "");
  noisy.seed = 2;
  ASSERT_EQ(ScanBlade(kFixtures / "blade.txt", kFixtures, tp.File("d.rtf"), noisy).error, "");
  EXPECT_EQ(ReadAll(tp.File("b.rtf")), ReadAll(tp.File("c.rtf")));
  EXPECT_NE(ReadAll(tp.File("b.rtf")), ReadAll(tp.File("d.rtf")));
}

TEST(Scan, BadInputIsReportedAndWritesNothing) {
  TestPlatform tp(0);
  const fs::path out = tp.File("blade.rtf");
  EXPECT_NE(ScanBlade(tp.File("none.txt"), kFixtures, out, {}).error.find("none.txt"),
            std::string::npos);
  const fs::path empty = tp.Write("empty.txt", "PART TB100\r\nNUMBER_OF_SECTIONS 0");
  EXPECT_NE(ScanBlade(empty, kFixtures, out, {}).error.find("no points"), std::string::npos);
  const fs::path other = tp.Write("other.txt", "PART XX9\r\n1 2 3 0 0 0 FULL");
  EXPECT_NE(ScanBlade(other, kFixtures, out, {}).error.find("XX9.nom"), std::string::npos);
  const fs::path badNom = tp.Write("bad.nom", "SECTION A 3 1\r\n1 2\r\n");
  EXPECT_NE(ScanBlade(kFixtures / "blade.txt", badNom, out, {}).error.find("bad point line"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace zantrel::kormetsim
