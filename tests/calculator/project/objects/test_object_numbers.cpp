#include "objects/object_numbers.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(ObjectNumbers, ExtractNumberTextTakesTheFirstRunOfDigitsAndCommas) {
  EXPECT_EQ(ExtractNumberText(" 12,5 м"), "12,5");
  EXPECT_EQ(ExtractNumberText("12.5"), "12");
  EXPECT_EQ(ExtractNumberText("Толщина изоляции = 13 мм"), "13");
  EXPECT_EQ(ExtractNumberText("без цифр"), "");
  EXPECT_EQ(ExtractNumberText(""), "");
}

TEST(ObjectNumbers, NumberKeysTurnAFullStopIntoTheOnlyComma) {
  EXPECT_EQ(FilterNumberKey('.', "2"), ',');
  EXPECT_EQ(FilterNumberKey(',', "2"), ',');
  EXPECT_EQ(FilterNumberKey('.', "2,5"), std::nullopt);
  EXPECT_EQ(FilterNumberKey('7', "2,5"), '7');
  EXPECT_EQ(FilterNumberKey('\b', ""), '\b');
  EXPECT_EQ(FilterNumberKey('e', ""), std::nullopt);
  EXPECT_EQ(FilterNumberKey('-', ""), std::nullopt);
  EXPECT_TRUE(CountKeyAccepted('4'));
  EXPECT_FALSE(CountKeyAccepted(','));
  EXPECT_FALSE(CountKeyAccepted('\r'));
}

TEST(ObjectNumbers, FieldTextsReadWithTheDecimalCommaOnly) {
  EXPECT_EQ(ReadNumberOrZero("12,5"), 12.5);
  EXPECT_EQ(ReadNumberOrZero("12.5"), 0);
  EXPECT_EQ(ReadNumberOrZero(""), 0);
}

TEST(ObjectNumbers, NearStandardDiameterWithinTwoMillimetres) {
  EXPECT_EQ(NearStandardPipeDiameter(41), 42);
  EXPECT_EQ(NearStandardPipeDiameter(42), std::nullopt);
  EXPECT_EQ(NearStandardPipeDiameter(45), std::nullopt);
  EXPECT_EQ(NearStandardPipeDiameter(1e7), std::nullopt);
}

}  // namespace
}  // namespace ovalto
