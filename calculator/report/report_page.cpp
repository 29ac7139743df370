#include "report/report_page.h"

#include <algorithm>
#include <array>

#include "number_format.h"

namespace ovalto {

namespace {

constexpr int kPictureRows = 30;  // the rows the chart picture spans at least

const char* const kPageHead[] = {
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
};

const char* const kContactLine = "Ovalto 4.77c &middot; расчет теплоизоляции KALDERON &middot; www.kalderon.example";

// Caption and value of one shown variable as the page prints them.
struct VariableLine {
  std::string Caption;
  std::string Value;
};

VariableLine LineOf(const CalcSession& session, const VariableRecord& record) {
  const GridModel& grid = session.Grid;
  const auto row = static_cast<std::size_t>(record.GridRow);
  // The grid's caption, so that the duct captions of the grid apply.
  VariableLine line{row < grid.Captions.size() ? grid.Captions[row] : std::string(record.Caption), {}};
  if (record.Name == "Gm") line.Caption += ", " + grid.cbGW.Text;
  if (record.ValueType == 'F') {
    line.Value = ReportNumber(record.Value);
  } else if (record.Name == "Rg_") {
    line.Value = grid.cbRG.Text;
  } else if (record.Name == "Np_") {
    line.Value = grid.cbNP.Text;
  } else {
    line.Value = record.Text;
  }
  return line;
}

void AddVariables(const CalcSession& session, std::optional<PictureSize> chart, bool forSpreadsheet,
                  std::vector<std::string>& page) {
  std::array<bool, 8> groupOpened{};
  bool first = true;
  for (const VariableRecord& record : session.Variables.Records()) {
    if (record.GridRow < 0) continue;
    const VariableLine line = LineOf(session, record);
    const std::string caption = EscapeHtml(line.Caption);
    const std::string value = EscapeHtml(line.Value);
    const bool opensGroup = record.Group >= 1 && record.Group <= 7 && !groupOpened[record.Group];
    const std::string header =
        opensGroup ? EscapeHtml(session.Variables.GroupHeaders()[record.Group - 1].Caption) : std::string();
    if (opensGroup) groupOpened[record.Group] = true;
    if (!chart) {
      if (opensGroup) {
        page.push_back("<TR><TD colspan=\"9\" align=\"center\" bgcolor=\"#909090\"><font color=\"#FFFFFF\"><b>" +
                       header + "</b></font></TD></TR>");
      }
      page.push_back("<TR valign=\"top\"><TD colspan=\"3\">" + caption + "</TD><TD align=\"center\">" + value +
                     "</TD></TR>");
      continue;
    }
    // The picture's cell opens the first row and spans the rows beside it.
    std::string rowStart = "<TR>";
    if (first) {
      rowStart = "<TR><TD colspan=\"7\" rowspan=\"" + std::to_string(std::max(session.Grid.RowCount(), kPictureRows)) +
                 "\"><img src=\"" + kChartFileName + "\" width=\"" + std::to_string(chart->Width) + "\" height=\"" +
                 std::to_string(chart->Height) + "\" border=\"0\"></TD>";
    }
    first = false;
    if (opensGroup) {
      page.push_back(rowStart + "<TD colspan=\"2\" align=\"center\" bgcolor=\"#909090\"><font color=\"#FFFFFF\"><b>" +
                     header + "</b></font></TD></TR>");
    }
    page.push_back("<TR valign=\"top\"><TD>" + caption + "</TD><TD align=\"center\">" + value + "</TD></TR>");
  }
  if (chart && forSpreadsheet) {
    for (int k = session.Grid.RowCount() + 1; k <= kPictureRows; ++k)
      page.push_back("<TR><TD colspan=\"2\">&nbsp;</TD></TR>");
  }
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      case '\r':
      case '\n':
      case '\t':
        out += ' ';
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ReportNumber(double value) { return FormatGeneral(RoundHalfEven(value, 3)); }

std::vector<std::string> BuildReportPage(const CalcSession& session, const UserDataValues& user,
                                         std::optional<PictureSize> chart, bool forSpreadsheet) {
  std::vector<std::string> page(std::begin(kPageHead), std::end(kPageHead));
  for (int row = 0; row < kUserDataRowCount; ++row) {
    page.push_back(std::string("<TR valign=\"top\"><TD colspan=\"3\">") + EscapeHtml(kUserDataFields[row].Caption) +
                   "</TD><TD colspan=\"6\">" + EscapeHtml(user[row]) + "</TD></TR>");
  }
  page.push_back("<TR valign=\"top\"><TD colspan=\"3\"><b>Оборудование, тип расчета</b></TD><TD colspan=\"6\"><b>" +
                 EscapeHtml(session.CalcKindName) + "</b></TD></TR>");
  page.push_back("<TR><TD colspan=\"9\">&nbsp;</TD></TR>");
  AddVariables(session, chart, forSpreadsheet, page);
  page.push_back("</TABLE>");
  page.push_back("</TD></TR>");
  page.push_back("</TABLE>");
  page.push_back("<p style=\"font-size:12px; font-family:Arial; color:#707070; font-weight: bold;\">" +
                 std::string(102, '_') + "<br>" + kContactLine + "</p>");
  page.push_back("</BODY>");
  page.push_back("</HTML>");
  return page;
}

}  // namespace ovalto
