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
