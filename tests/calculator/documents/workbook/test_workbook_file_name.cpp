#include "workbook/workbook_file_name.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(WorkbookFileName, UnfitCharactersBecomeTildes) {
  EXPECT_EQ(WorkbookFileName(DocumentKind::InstallationList, "  12/07:А  "), "Ведомость.12~07~А.xlsx");
  EXPECT_EQ(WorkbookFileName(DocumentKind::MaterialSchedule, "1\"*<>?\\|2"), "Спецификация.1~~~~~~~2.xlsx");
  EXPECT_EQ(WorkbookPath("/opt/Ovalto4/", DocumentKind::MaterialSchedule, "П-1"), "/opt/Ovalto4/Спецификация.П-1.xlsx");
}

TEST(WorkbookFileName, NeverLeavesTheFolderNorHides) {
  for (const std::string number : {"..", "../../etc/x", "/etc/passwd", ".hidden", "a\nb\tc\x7f", "\x01"}) {
    for (DocumentKind kind : {DocumentKind::InstallationList, DocumentKind::MaterialSchedule}) {
      const std::string name = WorkbookFileName(kind, number);
      EXPECT_EQ(name.find('/'), std::string::npos) << number;
      EXPECT_NE(name.front(), '.') << number;
      for (unsigned char c : name) EXPECT_GE(c, 0x20) << number;
      EXPECT_EQ(name.find('\x7f'), std::string::npos) << number;
    }
  }
  EXPECT_EQ(WorkbookFileName(DocumentKind::InstallationList, "../x"), "Ведомость...~x.xlsx");
}

}  // namespace
}  // namespace ovalto
