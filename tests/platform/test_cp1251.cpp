#include "cp1251.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(Cp1251, RussianTextRoundTrips) {
  const std::string text = "Ёмкость: Щ¶ №5 «ёлка» — тест";
  const std::string bytes = Utf8ToCp1251(text);
  EXPECT_EQ(bytes.size(), 28u) << "one byte a character";
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA8);  // Ё
  EXPECT_EQ(Cp1251ToUtf8(bytes), text);
}

TEST(Cp1251, PilcrowIsByteB6) {
  EXPECT_EQ(Utf8ToCp1251("¶"), "\xB6");
  EXPECT_EQ(Cp1251ToUtf8("\xB6"), "¶");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a€b"),
            "a\x88"
            "b");
  EXPECT_EQ(Utf8ToCp1251("日本"), "??");
  EXPECT_EQ(Utf8ToCp1251("x\xFFy"), "x?y") << "broken UTF-8";
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "?") << "cut sequence at the end";
}

TEST(Cp1251, OnlyWellFormedUtf8Decodes) {
  // Overlong forms of a line feed, a TAB, NUL and "<" (in two, three and four
  // bytes), a surrogate, a code point above U+10FFFF, a byte that never leads
  // and a cut sequence: each byte becomes a "?", none a separator or markup.
  for (const std::string bad : {"\xC0\x8A", "\xC0\x89", "\xC0\x80", "\xC0\xBC", "\xE0\x80\xBC", "\xF0\x80\x80\xBC",
                                "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xE2\x82"}) {
    EXPECT_EQ(Utf8ToCp1251(std::string("a").append(bad).append("<")),
              std::string("a").append(bad.size(), '?').append("<"))
        << bad;
  }
  // The well-formed edges stay one character each.
  EXPECT_EQ(Utf8ToCp1251("\xC2\xB6\xE0\xA0\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF"), "\xB6???");
}

TEST(Cp1251, EveryByteDecodes) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1251ToUtf8(all);
  const std::string back = Utf8ToCp1251(utf8);
  ASSERT_EQ(back.size(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] == '\x98') continue;  // unassigned in the code page
    EXPECT_EQ(back[i], all[i]) << i;
  }
}

}  // namespace
}  // namespace ovalto
