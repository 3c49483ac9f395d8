#include "workflow/CalcTable.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

TEST(CalcTable, HoldsFiftySixUniqueCodesInCatalogueOrder) {
  CalcTable table;
  std::set<std::string> codes;
  for (int r = 1; r <= kCalcRows; ++r) codes.insert(table.Code(r));
  EXPECT_EQ(codes.size(), 56u);
  struct Row {
    int row;
    const char* code;
    const char* label;
  };
  for (const Row& row :
       {Row{1, "LETHCK", "LE Thickness"}, Row{11, "TETHCK", "TE Thickness"},
        Row{21, "MAXTHK", "Max Thickness"}, Row{25, "TWIST", "Twist ABS"},
        Row{33, "BOWX", "Bow X (L&&D)"}, Row{36, "CCMIN", "CC&&CV Contour F&&L"},
        Row{55, "PTREPORT", "Point Exception Report"}, Row{56, "PLATFORM", "Platform"}}) {
    EXPECT_EQ(table.Code(row.row), row.code) << row.row;
    EXPECT_EQ(table.Label(row.row), row.label) << row.row;
    EXPECT_EQ(table.Row(row.code), row.row);
  }
  EXPECT_EQ(table.PlatformCode(), "PLATFORM");
  EXPECT_EQ(table.Code(0), "");
  EXPECT_EQ(table.Code(57), "");
}

TEST(CalcTable, OfferFollowsCatalogueAndComparesCodesExactly) {
  CalcTable table;
  CalcLabels offer = table.Offer({"TWIST", "LETHCK", "lethck", "NOSUCH"});
  EXPECT_EQ(offer[1], "LE Thickness");
  EXPECT_EQ(offer[25], "Twist ABS");
  int offered = 0;
  for (int r = 1; r <= kCalcRows; ++r) offered += offer[r].empty() ? 0 : 1;
  EXPECT_EQ(offered, 2);  // "lethck" offers nothing
}

TEST(CalcTable, FillTranslatesLabelsButNeverCodes) {
  TestPlatform tp;
  tp.Write("Lang.ini", "\tLE Thickness\tEpaisseur BA\n\tPlatform\tPlateforme");
  tp.UseLanguage(2);
  CalcTable table;
  table.Fill();
  EXPECT_EQ(table.Code(1), "LETHCK");
  EXPECT_EQ(table.Label(1), "Epaisseur BA");
  EXPECT_EQ(table.Label(56), "Plateforme");
  EXPECT_EQ(table.Label(22), "Chord Width");
}

}  // namespace
}  // namespace zantrel
