#include "number_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "scoped_locale.h"

namespace ovalto {
namespace {

TEST(NumberFormat, GeneralFormatUsesDecimalCommaAndNoTrailingZeros) {
  EXPECT_EQ(FormatGeneral(0), "0");
  EXPECT_EQ(FormatGeneral(-0.0), "0");
  EXPECT_EQ(FormatGeneral(1.1), "1,1");
  EXPECT_EQ(FormatGeneral(30000), "30000");
  EXPECT_EQ(FormatGeneral(-40), "-40");
  EXPECT_EQ(FormatGeneral(0.035), "0,035");
  EXPECT_EQ(FormatGeneral(45.4), "45,4");
  EXPECT_EQ(FormatGeneral(2.0 / 3), "0,666666666666667");
  EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatGeneral(0.00001), "0,00001");
}

TEST(NumberFormat, FewAndManyDecimalsGiveTheSameFifteenDigits) {
  // A value of a few decimals and its neighbours that need all fifteen.
  EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0,3");
  EXPECT_EQ(FormatGeneral(-0.0045), "-0,0045");
  EXPECT_EQ(FormatGeneral(0.0002 * 90 + 0.035), "0,053");
  EXPECT_EQ(FormatGeneral(1.0 / 3), "0,333333333333333");
  EXPECT_EQ(FormatGeneral(99999999999999.9), "99999999999999,9");
  EXPECT_EQ(FormatGeneral(12345.67891), "12345,67891");
  EXPECT_EQ(FormatGeneral(-1234567.125), "-1234567,125");
}

TEST(NumberFormat, ScientificOnlyForVerySmallOrLargeMagnitudes) {
  EXPECT_EQ(FormatGeneral(1e15), "1E15");
  EXPECT_EQ(FormatGeneral(1.5e20), "1,5E20");
  EXPECT_EQ(FormatGeneral(1.5e-7), "1,5E-7");
  EXPECT_EQ(FormatGeneral(-2e-9), "-2E-9");
}

TEST(NumberFormat, ParsesOnlyTheDecimalComma) {
  EXPECT_EQ(ParseNumber("1,1"), 1.1);
  EXPECT_EQ(ParseNumber(" -20 "), -20);
  EXPECT_EQ(ParseNumber("+5"), 5);
  EXPECT_EQ(ParseNumber("2,5E3"), 2500);
  EXPECT_FALSE(ParseNumber("1.1"));
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("  "));
  EXPECT_FALSE(ParseNumber("12a"));
  EXPECT_FALSE(ParseNumber("inf"));
  EXPECT_FALSE(ParseNumber("nan"));
  EXPECT_FALSE(ParseNumber("1,2,3"));
  EXPECT_FALSE(ParseNumber("-"));
}

TEST(NumberFormat, RoundTripDoesNotDependOnTheLocale) {
  for (const char* locale : {"C", "C.UTF-8", testing::kRussianLocale}) {
    const testing::ScopedLocale scoped(locale);
    ASSERT_TRUE(scoped.IsSet()) << scoped.Missing();
    for (double value : {1.1, 0.035, -273.15, 4560.0, 1.0 / 7, 2.26e-6}) {
      const auto back = ParseNumber(FormatGeneral(value));
      ASSERT_TRUE(back) << locale;
      EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << locale;
    }
    EXPECT_EQ(FormatGeneral(1.1), "1,1") << locale;
  }
}

TEST(NumberFormat, RoundingSendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5, 0), 2);
  EXPECT_EQ(RoundHalfEven(3.5, 0), 4);
  EXPECT_EQ(RoundHalfEven(-2.5, 0), -2);
  EXPECT_EQ(RoundHalfEven(0.25, 1), 0.2);
  EXPECT_EQ(RoundHalfEven(0.75, 1), 0.8);
  EXPECT_DOUBLE_EQ(RoundHalfEven(3.875, 1), 3.9);
  EXPECT_DOUBLE_EQ(RoundHalfEven(12.3456, 2), 12.35);
}

}  // namespace
}  // namespace ovalto
