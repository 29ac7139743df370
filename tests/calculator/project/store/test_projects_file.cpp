#include "store/projects_file.h"

#include <gtest/gtest.h>

#include "cp1251.h"

namespace ovalto {
namespace {

ProjectRecord Sample() {
  return {"П-1", "09.12.2026", "Котельная", "Иванов", "a¶b¶", "00СИСТЕМЫ¶\t09Новая система 1¶"};
}

TEST(ProjectsFile, WrittenInCodePage1251WithCrLfAndReadBackTheSame) {
  const std::string bytes = SerializeProjectsFile({Sample(), {"2", "", "", "", "", ""}});
  const std::string expected =
      "\xCF-1\t09.12.2026\t\xCA\xEE\xF2\xE5\xEB\xFC\xED\xE0\xFF\t\xC8\xE2\xE0\xED\xEE\xE2\ta\xB6"
      "b\xB6\t00\xD1\xC8\xD1\xD2\xC5\xCC\xDB\xB6\t09\xCD\xEE\xE2\xE0\xFF \xF1\xE8\xF1\xF2\xE5\xEC\xE0 1\xB6\r\n"
      "2\t\t\t\t\t\r\n";
  EXPECT_EQ(bytes, expected);
  const ProjectsFileContents read = ParseProjectsFile(bytes);
  EXPECT_TRUE(read.Problems.empty());
  ASSERT_EQ(read.Table.size(), 2u);
  EXPECT_EQ(read.Table[0], Sample());
  EXPECT_EQ(SerializeProjectsFile(read.Table), bytes);
  EXPECT_EQ(SerializeProjectsFile({}), "");
}

TEST(ProjectsFile, LineEndsOfEveryKindAndNoRecordFromEmptyLines) {
  const std::string line = "1\td\tn\tdev\t\t00R\xB6";
  for (const std::string end : {"\r\n", "\r", "\n", "\r\r\n"}) {
    const ProjectsFileContents read = ParseProjectsFile(line + end + line + end + end);
    EXPECT_EQ(read.Table.size(), 2u) << "line end of " << end.size();
    EXPECT_TRUE(read.Problems.empty());
  }
  const ProjectsFileContents cut = ParseProjectsFile(line);
  EXPECT_EQ(cut.Table.size(), 1u) << "without a final line end";
  EXPECT_EQ(cut.Problems, std::vector<std::string>{"строка 1, проект \"1\": запись оборвана (нет конца строки)"})
      << "every save ends its last line";
}

TEST(ProjectsFile, NoSeparatorReachesTheFileFromAnyField) {
  ProjectRecord hostile{"a\tb", "1\r2", "n\nm", "d¶e", "x\ty¶", "00R\r\n¶"};
  const ProjectsFileContents read = ParseProjectsFile(SerializeProjectsFile({hostile}));
  ASSERT_EQ(read.Table.size(), 1u);
  EXPECT_TRUE(read.Problems.empty());
  EXPECT_EQ(read.Table[0].Number, "a b");
  EXPECT_EQ(read.Table[0].DateText, "1 2");
  EXPECT_EQ(read.Table[0].ProjectName, "n m");
  EXPECT_EQ(read.Table[0].Developer, "d¶e") << "a pilcrow separates nothing there";
  EXPECT_EQ(read.Table[0].Note, "x y¶");
  EXPECT_EQ(read.Table[0].TreeText, "00R  ¶");
}

TEST(ProjectsFile, LinesThatDoNotParseAreReportedAndLoadedAsFarAsTheyGo) {
  const std::string bytes =
      "whole line\r\n"                            // no TAB: all of it is the tree text
      "1\td\tn\tdev\t\t00R\xB6\t\t\t16x\xB6\r\n"  // a level jump
      "2\td\tn\td\x98v\t\t00R\xB6\r\n"            // a byte the code page lacks
      "3\td\tn\tdev\t\t00R\xB6\r\n";
  const ProjectsFileContents read = ParseProjectsFile(bytes);
  ASSERT_EQ(read.Table.size(), 4u);
  EXPECT_EQ(read.Table[0].TreeText, "whole line");
  EXPECT_EQ(read.Table[0].Number, "");
  EXPECT_EQ(read.Table[1].Number, "1");
  ASSERT_EQ(read.Problems.size(), 3u);
  EXPECT_EQ(read.Problems[0], "строка 1: не хватает полей");
  EXPECT_EQ(read.Problems[1], "строка 2: Неверный уровень (3) для элемента \"16x\"");
  EXPECT_EQ(read.Problems[2], "строка 3: недопустимые символы");
}

TEST(ProjectsFile, BoundedFieldsAreCutToTheirLengthAndTheCutReported) {
  const std::string longText(40, '\xC0');  // 40 × "А"
  const std::string fits(32, '\xC0');
  const ProjectsFileContents read =
      ParseProjectsFile(longText + "\t" + longText + "\t" + longText + "\t" + longText + "\t\t\r\n" +  //
                        "1\t09.12.2026 12:00:00\tn\td\t\t\r\n" +                                       //
                        "2\t09.12.2026\tn\t" + longText + "\t\t\r\n" +                                 //
                        fits + "\t09.12.2026\t" + longText + "\t" + fits + "\t\t\r\n");
  const ProjectRecord& record = read.Table.at(0);
  EXPECT_EQ(Utf8ToCp1251(record.Number).size(), 32u);
  EXPECT_EQ(Utf8ToCp1251(record.DateText).size(), 16u);
  EXPECT_EQ(Utf8ToCp1251(record.ProjectName).size(), 40u);
  EXPECT_EQ(Utf8ToCp1251(record.Developer).size(), 32u);
  EXPECT_EQ(read.Table.at(1).DateText, "09.12.2026 12:00");
  EXPECT_EQ(read.Problems,
            (std::vector<std::string>{"строка 1: номер длиннее 32 знаков", "строка 2: дата длиннее 16 знаков",
                                      "строка 3: разработчик длиннее 32 знаков"}))
      << "a field that fits is no problem";
}

}  // namespace
}  // namespace ovalto
