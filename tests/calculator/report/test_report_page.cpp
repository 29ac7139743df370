#include "report/report_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "report_session.h"

namespace ovalto {
namespace {

const UserDataValues kUser = {"ООО \"Тепло\"", "Иванов И.И.", "инженер", "123-45-67", "Котельная", "Теплотрасса"};

std::vector<std::string> Head() {
  return {
      "<HTML>",
      "<HEAD>",
      "<TITLE>Расчет теплоизоляции КАЛДЕРОН</TITLE>",
      "<META content=\"text/html; charset=windows-1251\" http-equiv=Content-Type>",
      "<META NAME=\"Generator\" CONTENT=\"Brendomar WorkShop\">",
      "<META NAME=\"Author\" CONTENT=\"Ovalto4\">",
      "<META NAME=\"Keywords\" CONTENT=\"Ovalto4\">",
      "<META NAME=\"Description\" CONTENT=\"Ovalto4\">",
      "</HEAD>",
      "<BODY><CENTER>",
      "<TABLE style=\"font-size:36px; font-family:Arial; color:#707070; font-weight: none;\" bgColor=\"#FFFFFF\" "
      "cellpadding=\"4\" spacepadding=\"4\" border=\"0\">",
      "<TR><TD colspan=\"2\" align=\"center\"><img src=\"ovalto4.jpg\" border=\"0\"></TD><TD colspan=\"8\"><b>Ovalto - "
      "Версия 4.77c</b><br>Расчет теплоизоляции <b></b></TD></TR>",
      "</TABLE>",
      "<TABLE style=\"border-collapse: collapse; font-size:14px; font-family:Arial; color:#0; font-weight: none;\" "
      "bgColor=\"#FFFFFF\" cellpadding=\"1\" spacepadding=\"1\" border=\"1\" borderColor=\"#0\">",
      "<TR valign=\"top\"><TD colspan=\"3\">Компания</TD><TD colspan=\"6\">ООО &quot;Тепло&quot;</TD></TR>",
      "<TR valign=\"top\"><TD colspan=\"3\">Фамилия И.О.</TD><TD colspan=\"6\">Иванов И.И.</TD></TR>",
      "<TR valign=\"top\"><TD colspan=\"3\">Должность</TD><TD colspan=\"6\">инженер</TD></TR>",
      "<TR valign=\"top\"><TD colspan=\"3\">Телефон / Факс</TD><TD colspan=\"6\">123-45-67</TD></TR>",
      "<TR valign=\"top\"><TD colspan=\"3\">Название проекта</TD><TD colspan=\"6\">Котельная</TD></TR>",
      "<TR valign=\"top\"><TD colspan=\"3\">Наименование объекта</TD><TD colspan=\"6\">Теплотрасса</TD></TR>",
      "<TR valign=\"top\"><TD colspan=\"3\"><b>Оборудование, тип расчета</b></TD><TD colspan=\"6\"><b>Отопление, "
      "трубопровод, в помещении, тепловой поток</b></TD></TR>",
      "<TR><TD colspan=\"9\">&nbsp;</TD></TR>",
  };
}

std::vector<std::string> Tail() {
  return {
      "</TABLE>",
      "</TD></TR>",
      "</TABLE>",
      "<p style=\"font-size:12px; font-family:Arial; color:#707070; font-weight: bold;\">" + std::string(102, '_') +
          "<br>Ovalto 4.77c &middot; расчет теплоизоляции KALDERON &middot; www.kalderon.example</p>",
      "</BODY>",
      "</HTML>",
  };
}

std::vector<std::string> Page(std::vector<std::string> rows) {
  std::vector<std::string> page = Head();
  page.insert(page.end(), rows.begin(), rows.end());
  const std::vector<std::string> tail = Tail();
  page.insert(page.end(), tail.begin(), tail.end());
  return page;
}

std::string Header(const std::string& caption, const char* colspan) {
  return std::string("<TD colspan=\"") + colspan +
         "\" align=\"center\" bgcolor=\"#909090\"><font color=\"#FFFFFF\"><b>" + caption + "</b></font></TD></TR>";
}

class ReportPageTest : public ::testing::Test {
 protected:
  testing::ReportSession report;
};

using HeaderLine = std::function<std::string(const std::string& caption)>;
using VariableLine = std::function<std::string(const std::string& caption, const std::string& value)>;

// The variables of the report session as the page lists them.
std::vector<std::string> VariableRows(const HeaderLine& header, const VariableLine& line) {
  return {
      header("ПАРАМЕТРЫ ОБОРУДОВАНИЯ"),
      line("Наружний диаметр, мм", "57"),
      header("ПАРАМЕТРЫ ВЕЩЕСТВА"),
      line("Температура вещества, °С", "0,123"),
      line("Расход вещества, кг/ч", "2"),
      header("ПАРАМЕТРЫ ОКРУЖАЮЩЕЙ СРЕДЫ"),
      line("Выбрать регион", "Республика Адыгея"),
      line("Выбрать населенный пункт", "Майкоп"),
      line("Температура окруж. среды, °С", "-2,5"),
      header("ПАРАМЕТРЫ ИЗОЛЯЦИИ"),
      line("Тип изоляции", "KALDERON Vardo"),
      line("Теплопроводность, Вт/(м*K)", "0,048"),
      header("РЕЗУЛЬТАТЫ РАСЧЕТА"),
      line("Толщина изоляции, мм", "20"),
  };
}

TEST_F(ReportPageTest, WithoutTheChartEveryRowSpansTheTable) {
  const std::vector<std::string> expected = Page(VariableRows(
      [](const std::string& caption) { return "<TR>" + Header(caption, "9"); },
      [](const std::string& caption, const std::string& value) {
        return "<TR valign=\"top\"><TD colspan=\"3\">" + caption + "</TD><TD align=\"center\">" + value + "</TD></TR>";
      }));
  EXPECT_EQ(BuildReportPage(report.Session, kUser, std::nullopt, false), expected);
  EXPECT_EQ(BuildReportPage(report.Session, kUser, std::nullopt, true), expected) << "no picture, nothing to cover";
}

TEST_F(ReportPageTest, TheChartPictureSharesTheRowsAndTheSpreadsheetCoversIt) {
  // The picture's cell opens the first header line.
  std::string rowStart =
      "<TR><TD colspan=\"7\" rowspan=\"30\"><img src=\"diagram4.jpg\" width=\"463\" height=\"741\" border=\"0\"></TD>";
  std::vector<std::string> rows = VariableRows(
      [&rowStart](const std::string& caption) { return std::exchange(rowStart, "<TR>") + Header(caption, "2"); },
      [](const std::string& caption, const std::string& value) {
        return "<TR valign=\"top\"><TD>" + caption + "</TD><TD align=\"center\">" + value + "</TD></TR>";
      });
  const PictureSize chart{463, 741};
  EXPECT_EQ(BuildReportPage(report.Session, kUser, chart, false), Page(rows));

  // Rows 15 to 30 of the picture's height.
  rows.insert(rows.end(), 16, "<TR><TD colspan=\"2\">&nbsp;</TD></TR>");
  EXPECT_EQ(BuildReportPage(report.Session, kUser, chart, true), Page(rows));
}

TEST_F(ReportPageTest, ATallGridSpansThePictureOverAllItsRows) {
  report.Session.Grid.Resize(31);
  const std::vector<std::string> page = BuildReportPage(report.Session, kUser, PictureSize{1, 1}, true);
  EXPECT_NE(page[22].find("rowspan=\"31\""), std::string::npos) << page[22];
  EXPECT_EQ(std::count(page.begin(), page.end(), "<TR><TD colspan=\"2\">&nbsp;</TD></TR>"), 0);
}

TEST_F(ReportPageTest, TypedTextsCannotAddMarkup) {
  UserDataValues user = kUser;
  user[4] = "<script>alert('x')</script> & \"Co\"";
  user[5] = "line\r\nbreak";
  report.Session.Variables.Find("Ti_")->Text = "<b>";
  report.Session.CalcKindName = "A&B";
  const std::vector<std::string> page = BuildReportPage(report.Session, user, std::nullopt, false);
  EXPECT_EQ(
      page[18],
      "<TR valign=\"top\"><TD colspan=\"3\">Название проекта</TD><TD colspan=\"6\">&lt;script&gt;alert(&#39;x&#39;)"
      "&lt;/script&gt; &amp; &quot;Co&quot;</TD></TR>");
  EXPECT_EQ(page[19],
            "<TR valign=\"top\"><TD colspan=\"3\">Наименование объекта</TD><TD colspan=\"6\">line  break</TD></TR>");
  EXPECT_NE(page[20].find("<b>A&amp;B</b>"), std::string::npos);
  EXPECT_NE(std::find(page.begin(), page.end(),
                      "<TR valign=\"top\"><TD colspan=\"3\">Тип изоляции</TD><TD align=\"center\">&lt;b&gt;</TD></TR>"),
            page.end());
}

TEST(ReportNumber, RoundsToThreeDecimalsInTheProgramsFormat) {
  EXPECT_EQ(ReportNumber(0.12345), "0,123");
  EXPECT_EQ(ReportNumber(2), "2");
  EXPECT_EQ(ReportNumber(0.0625), "0,062") << "halves to even";
  EXPECT_EQ(ReportNumber(-1234.5678), "-1234,568");
}

}  // namespace
}  // namespace ovalto
