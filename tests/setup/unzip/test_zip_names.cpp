#include "zip_names.h"

#include <gtest/gtest.h>

#include "cp866.h"

namespace unzip {
namespace {

TEST(ZipNames, StoredNamesAreCodePage866UnlessFlaggedUtf8) {
  // "Справка\Лицензия.txt" as code page 866
  const std::string stored = "\x91\xAF\xE0\xA0\xA2\xAA\xA0\\\x8B\xA8\xE6\xA5\xAD\xA7\xA8\xEF.txt";
  EXPECT_EQ(NormalizeStoredName(stored, 0), "Справка/Лицензия.txt");
  EXPECT_EQ(NormalizeStoredName("Ёлка/ёж.txt", 0x0800), "Ёлка/ёж.txt");
  EXPECT_EQ(NormalizeStoredName("", 0), "");
}

TEST(ZipNames, EveryByteOfCodePage866HasItsCharacter) {
  EXPECT_EQ(Cp866ToUtf8("\xF0\xF1\xFC\xB0\xDB\xFF"), "Ёё№░█\u00A0");
  std::string all;
  for (int b = 0x80; b < 0x100; ++b) all += static_cast<char>(b);
  const std::string text = Cp866ToUtf8(all);
  EXPECT_EQ(text.find('?'), std::string::npos);
  EXPECT_GE(text.size(), 2 * all.size());
  EXPECT_EQ(Utf8ToCp866(text), all) << "the packer's names come back as they were";
  EXPECT_EQ(Utf8ToCp866("help/01_Общая_часть.htm"), "help/01_\x8E\xA1\xE9\xA0\xEF_\xE7\xA0\xE1\xE2\xEC.htm");
  EXPECT_EQ(Utf8ToCp866("€"), std::nullopt);
}

TEST(ZipNames, NameListKeepsFileNamePartsOfNonEmptyEntries) {
  std::vector<std::string> names = {"a/b.txt", "", "c.txt", "dir\\d.htm", "C:e.txt"};
  NormalizeNameList(names);
  EXPECT_EQ(names, (std::vector<std::string>{"b.txt", "c.txt", "d.htm", "e.txt"}));
}

}  // namespace
}  // namespace unzip
