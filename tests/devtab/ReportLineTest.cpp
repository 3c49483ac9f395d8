#include "devtab/ReportLine.h"

#include <gtest/gtest.h>

#include "platform/testing/TestPlatform.h"

namespace zantrel {
namespace {

DimensionValues Band(double deviation, double plus = 0.005, double minus = 0.005) {
  DimensionValues v;
  v.deviation = deviation;
  v.plus = plus;
  v.minus = minus;
  return v;
}

TEST(ReportLine, LineOfTheLocationExampleIsSeventyFiveCharacters) {
  TestPlatform tp(0);
  DimensionValues v{1.23456, 1.23, 0.00456, 0.005, 0.005};
  std::string line = ReportLine("LOC1", 1002, v);
  EXPECT_EQ(line,
            "LOC1 X         "
            "    1.2346"
            "    1.2300"
            "    0.0046"
            "    0.0050"
            "   -0.0050"
            " --------*");
  EXPECT_EQ(line.size(), 75u);
}

TEST(ReportLine, FieldsAreTrimmedAndFittedToTheirWidths) {
  TestPlatform tp(0);
  // Identifier blanks are trimmed; a long identifier keeps its first 15 characters.
  EXPECT_EQ(ReportLine("  DIA2 ", 1005, Band(0)).substr(0, 15), "DIA2 D         ");
  EXPECT_EQ(ReportLine("ABCDEFGHIJKLMNOPQ", 1002, Band(0)).substr(0, 15), "ABCDEFGHIJKLMNO");
  // An identifier of 13 characters with a one-letter code fills field 1 exactly.
  EXPECT_EQ(ReportLine("ABCDEFGHIJKLM", 1003, Band(0)).substr(0, 15), "ABCDEFGHIJKLM Y");

  // A nine-character number gets one blank; a longer one keeps its last ten characters.
  DimensionValues v = Band(0);
  v.measured = 1234.56789;
  v.nominal = 123456789.12345;
  std::string line = ReportLine("X", 1002, v);
  EXPECT_EQ(line.substr(15, 10), " 1234.5679");
  EXPECT_EQ(line.substr(25, 10), "56789.1235");
  EXPECT_EQ(line.size(), 75u);
}

TEST(ReportLine, ZeroMinusToleranceIsWrittenWithoutSign) {
  TestPlatform tp(0);
  std::string line = ReportLine("P", 1002, Band(0.001, 0.01, 0.0));
  EXPECT_EQ(line.substr(55, 10), "    0.0000");
}

TEST(ReportLine, FitKeepsTextOfExactWidth) {
  EXPECT_EQ(FitLeft("ABCDE", 5), "ABCDE");
  EXPECT_EQ(FitRight("ABCDE", 5), "ABCDE");
  EXPECT_EQ(FitLeft(" AB ", 5), "AB   ");
  EXPECT_EQ(FitRight(" AB ", 5), "   AB");
  EXPECT_EQ(FitLeft("ABCDEF", 5), "ABCDE");
  EXPECT_EQ(FitRight("ABCDEF", 5), "BCDEF");
}

TEST(AxisCode, TypesMapToTheirCodes) {
  const std::pair<int, const char*> table[] = {
      {1002, "X"},  {1202, "X"},  {1003, "Y"}, {1203, "Y"},  {1004, "Z"},  {1204, "Z"},
      {1005, "D"},  {1006, "R"},  {1007, "A"}, {1008, "T"},  {1009, "PR"}, {1207, "PR"},
      {1010, "PA"}, {1208, "PA"}, {1011, "V"}, {1012, "L"},  {1013, "PD"}, {1014, "RT"},
      {1015, "S"},  {1016, "RS"}, {1017, "H"}, {1205, "DD"}, {1206, "DF"}, {1209, "TP"},
      {1018, "M"},  {1210, "M"},  {0, "M"},    {1000, "M"},  {-1, "M"}};
  for (const auto& [type, code] : table) EXPECT_EQ(AxisCode(type), code) << type;
}

TEST(AxisCode, HeadTypesAreSkipped) {
  for (int type : {1000, 1001, 1200, 1201}) EXPECT_TRUE(IsSkippedType(type)) << type;
  for (int type : {999, 1002, 1202, 1199}) EXPECT_FALSE(IsSkippedType(type)) << type;
}

TEST(DevBar, DeviationInsideAndOutsideTheBand) {
  TestPlatform tp(0);
  const std::pair<double, const char*> table[] = {
      {0, "----*----"},       {0.005, "--------*"}, {-0.005, "*--------"},
      {0.00456, "--------*"}, {0.007, "0.0020"},    {-0.006, "-0.0010"},
  };
  for (const auto& [deviation, bar] : table) EXPECT_EQ(DevBar(Band(deviation)), bar) << deviation;
}

TEST(DevBar, BoundariesTakeTheLowerCell) {
  TestPlatform tp(0);
  // Band 0..9: a equals the deviation in ninths.
  const std::pair<double, const char*> table[] = {
      {0, "*--------"},      {1, "*--------"},   {1.0001, "-*-------"}, {2, "-*-------"},
      {3, "--*------"},      {3.5, "---*-----"}, {4.5, "----*----"},    {5, "----*----"},
      {5.5, "-----*---"},    {6.5, "------*--"}, {7.5, "-------*-"},    {8, "-------*-"},
      {8.0001, "--------*"}, {9, "--------*"},   {9.5, "0.5000"},       {-0.25, "-0.2500"},
  };
  for (const auto& [deviation, bar] : table)
    EXPECT_EQ(DevBar(Band(deviation, 9, 0)), bar) << deviation;
}

TEST(DevBar, LimitReachedThroughRoundingIsOnTheLimit) {
  TestPlatform tp(0);
  EXPECT_EQ(DevBar(Band(10.005 - 10)), "--------*");
  EXPECT_EQ(DevBar(Band(9.995 - 10)), "*--------");
  EXPECT_EQ(DevBar(Band(0.00501)), "0.0000");  // truly outside, if only just
}

TEST(DevBar, ZeroWidthBandAlwaysCentres) {
  TestPlatform tp(0);
  for (double deviation : {0.0, 0.005, -0.5, 100.0}) {
    EXPECT_EQ(DevBar(Band(deviation, 0, 0)), "----*----") << deviation;
    EXPECT_EQ(DevBar(Band(deviation, 0.002, -0.002)), "----*----") << deviation;
  }
}

}  // namespace
}  // namespace zantrel
