#include <gtest/gtest.h>

#include <string>

#include "zip_names.h"

namespace unzip {
namespace {

TEST(WildcardMatch, StarDotStarAlsoMatchesNamesWithoutExtension) {
  EXPECT_TRUE(WildcardMatch("*.*", "readme", false));
  EXPECT_TRUE(WildcardMatch("*.*", "notes.txt", false));
  EXPECT_TRUE(WildcardMatch("data.", "data", false));
  EXPECT_FALSE(WildcardMatch("*.txt", "notes.htm", false));
}

TEST(WildcardMatch, WildcardsWorkInEitherText) {
  EXPECT_TRUE(WildcardMatch("*.TXT", "notes.txt", false));
  EXPECT_TRUE(WildcardMatch("a?c", "abc", false));
  EXPECT_TRUE(WildcardMatch("abc", "a*", false));
  EXPECT_TRUE(WildcardMatch("*", "", false));
  EXPECT_TRUE(WildcardMatch("", "", false));
  EXPECT_FALSE(WildcardMatch("", "a", false));
  EXPECT_FALSE(WildcardMatch("abc", "abd", false));
  EXPECT_FALSE(WildcardMatch("ab", "abc", false));
}

TEST(WildcardMatch, CyrillicLettersMatchOnlyExactly) {
  EXPECT_TRUE(WildcardMatch("Справка.txt", "Справка.txt", false));
  EXPECT_FALSE(WildcardMatch("справка.txt", "СПРАВКА.txt", false));
}

TEST(WildcardMatch, NamesOnlyComparesTheFileNameParts) {
  EXPECT_TRUE(WildcardMatch("docs\\*.htm", "help/page.htm", true));
  EXPECT_FALSE(WildcardMatch("docs\\*.htm", "help/page.htm", false));
}

TEST(WildcardMatch, NamesFullOfStarsGiveAnAnswerPromptly) {
  const std::string stars(200, '*');
  EXPECT_FALSE(WildcardMatch("*a*b*c*d*e*f*g*h*q", stars + "x", false));
}

}  // namespace
}  // namespace unzip
