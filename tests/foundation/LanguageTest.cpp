#include <gtest/gtest.h>

#include "foundation/Lang.h"
#include "foundation/TextFile.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;

namespace {

const char* kTable =
    "\tInitializing\tInitialisation\tInizializzazione\tInitialisierung\tInicializando\n"
    "\tOnly key\n"
    "!\tCommented\tX\tX\tX\tX\n"
    "\tTwice\tpremier\n"
    "\tTwice\tsecond\n"
    "\t\tno key\n"
    "\tEmpty French\t\tvuoto";

TEST(Language, LooksUpTheChosenColumn) {
  TestPlatform tp;
  tp.Write("Lang.ini", kTable);
  tp.UseLanguage(4);
  EXPECT_EQ(Translate("Initializing"), "Initialisierung");
  EXPECT_EQ(Translate("Only key"), "Only key");
  tp.UseLanguage(2);
  EXPECT_EQ(Translate("Initializing"), "Initialisation");
  EXPECT_EQ(Translate("Twice"), "premier");
  EXPECT_EQ(Translate("Empty French"), "Empty French");
}

TEST(Language, UnknownTextAppendedOncePerRun) {
  TestPlatform tp;
  tp.Write("Lang.ini", kTable);
  tp.UseLanguage(3);
  EXPECT_EQ(Translate("Brand new"), "Brand new");
  EXPECT_EQ(Translate("Brand new"), "Brand new");
  EXPECT_EQ(Translate("Commented"), "Commented");
  auto lines = *ReadLines(tp.File("Lang.ini"));
  EXPECT_EQ(std::count(lines.begin(), lines.end(),
                       "NEW\tBrand new\tBrand new\tBrand new\tBrand new\tBrand new"),
            1);
  EXPECT_EQ(lines.size(), 9u);  // two appended
  EXPECT_EQ(Translate("  \t "), "  \t ");
}

TEST(Language, NoTableMeansEnglishAndNothingWritten) {
  TestPlatform tp;
  tp.UseLanguage(2);
  EXPECT_EQ(Translate("Initializing"), "Initializing");
  EXPECT_FALSE(std::filesystem::exists(tp.File("Lang.ini")));
}

}  // namespace
