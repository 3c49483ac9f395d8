#include <gtest/gtest.h>

#include "foundation/Format.h"
#include "platform/testing/TestPlatform.h"

using namespace zantrel;

namespace {

TEST(Format, FixedDecimalsInBothLocales) {
  TestPlatform tp;
  EXPECT_EQ(FormatFixed(1.23456789, 5), "1.23457");
  EXPECT_EQ(FormatFixed(-0.5, 5), "-0.50000");
  EXPECT_EQ(FormatFixed(-0.000001, 5), "0.00000");
  EXPECT_EQ(FormatFixed(12345.6, 4), "12345.6000");
  EXPECT_EQ(MFormat(2.5, 2), "2.50");
  EXPECT_EQ(MFormat(2.5, 0), "3.");
  EXPECT_EQ(MFormat(2.5, 3), "2.500");
  EXPECT_EQ(ListNumber(5), " 5");
  EXPECT_EQ(ListNumber(-5), "-5");
  tp.context.decimalSymbol = ',';
  EXPECT_EQ(FormatFixed(1.5, 5), "1,50000");
  EXPECT_EQ(MFormat(2.5, 2), "2,50");
  EXPECT_EQ(MFormat(2.0, 0), "2,");
}

TEST(Format, ParsingFollowsTheLocale) {
  TestPlatform tp;
  EXPECT_EQ(*ToDouble(" 1.5 "), 1.5);
  EXPECT_EQ(*ToDouble("-2e3"), -2000);
  EXPECT_FALSE(ToDouble("1.5x"));
  EXPECT_FALSE(ToDouble(""));
  EXPECT_EQ(*ToLong("10"), 10);
  EXPECT_EQ(NumberOr("abc"), 0);
  EXPECT_EQ(NumberOr("", 10), 10);
  EXPECT_EQ(Val("12.5abc"), 12.5);
  EXPECT_EQ(Val("abc"), 0);
  tp.context.decimalSymbol = ',';
  EXPECT_EQ(*ToDouble("1,25"), 1.25);
}

TEST(Format, DatesAndTimes) {
  TestPlatform tp;
  const auto t = tp.clock.Now();
  EXPECT_EQ(FormatTime(t, "mm/dd/yy"), "03/04/26");
  EXPECT_EQ(FormatTime(t, "hh:mm:ss"), "05:06:07");
  EXPECT_EQ(FormatTime(t, "yymmdd"), "260304");
  EXPECT_EQ(FormatTime(t, "hhmmss"), "050607");
  EXPECT_EQ(FormatTime(t, "yymmddhhmmss"), "260304050607");
  EXPECT_EQ(FormatTime(t, "mm/dd/yy hh:mm:ss"), "03/04/26 05:06:07");
}

}  // namespace
