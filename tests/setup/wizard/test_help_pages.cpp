// The help pages as installed: eighteen numbered pages, each with the folder of its pictures, in
// code page 1251 as they declare; every page and picture they point to is in the payload, the
// program's own folder holds the same help, and the figures they quote are the program's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>

#include "cp1251.h"
#include "engine/engine_state.h"
#include "kind_session.h"
#include "kinds/calc_kinds.h"
#include "setup_test_support.h"
#include "tables/climate_tables.h"
#include "tree/field_text.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

TEST(HelpPages, EighteenNumberedPagesEachWithItsPictures) {
  const fs::path help = StagedPayload() / "help";
  std::vector<std::string> pages;
  for (const auto& item : fs::directory_iterator(help)) {
    if (item.path().extension() == ".htm") pages.push_back(item.path().stem().string());
  }
  std::sort(pages.begin(), pages.end());
  ASSERT_EQ(pages.size(), 18u);
  EXPECT_EQ(pages.front(), "01_Общая_часть") << "the page the calculator opens";
  for (std::size_t at = 0; at < pages.size(); ++at) {
    const std::string& page = pages[at];
    ASSERT_GT(page.size(), 3u);
    EXPECT_TRUE(std::isdigit(page[0]) && std::isdigit(page[1]) && page[2] == '_') << page;
    EXPECT_EQ((page[0] - '0') * 10 + (page[1] - '0'), static_cast<int>(at) + 1) << page;
    const fs::path pictures = help / pages[at];
    ASSERT_TRUE(fs::is_directory(pictures)) << pages[at];
    EXPECT_FALSE(fs::is_empty(pictures)) << pages[at];
  }
}

TEST(HelpPages, DeclareTheirCodePageAndPointOnlyToWhatIsInstalled) {
  const fs::path help = StagedPayload() / "help";
  int pages = 0, links = 0;
  const std::regex reference(R"re((?:href|src)="([^"#:]+)")re");
  for (const auto& item : fs::directory_iterator(help)) {
    if (item.path().extension() != ".htm") continue;
    ++pages;
    const std::string page = ovalto::Cp1251ToUtf8(ReadText(item.path()));
    EXPECT_NE(page.find("<meta charset=\"windows-1251\">"), std::string::npos) << item.path();
    EXPECT_NE(page.find("</html>"), std::string::npos) << item.path();
    int pictures = 0;
    for (std::sregex_iterator at(page.begin(), page.end(), reference), end; at != end; ++at) {
      ++links;
      const std::string target = (*at)[1].str();
      EXPECT_TRUE(fs::exists(help / target)) << item.path().filename() << " points to " << target;
      if (target.starts_with(item.path().stem().string() + "/")) ++pictures;
    }
    EXPECT_GT(pictures, 0) << item.path().filename() << " shows none of its pictures";
  }
  EXPECT_EQ(pages, 18);
  EXPECT_GT(links, pages * 6);
}

// F1 opens the help beside the program as the build lays it out: the same pages and pictures as
// the installer carries.
TEST(HelpPages, TheBuiltProgramsHelpIsTheInstalledOne) {
  ExpectSameFiles(StagedPayload() / "help", fs::path(OVALTO_PROGRAM_FOLDER) / "help");
  EXPECT_TRUE(fs::exists(fs::path(OVALTO_PROGRAM_FOLDER) / "help/02_Окно_расчета/kind_pages.png"));
}

// The page's text with its line breaks and indents as single blanks, as a browser shows it.
std::string HelpPage(const char* name) {
  const std::string page = ovalto::Cp1251ToUtf8(ReadText(StagedPayload() / "help" / name));
  return std::regex_replace(page, std::regex("\\s+"), " ");
}

// The climate page tells the user where the data ends; it must follow the built-in tables.
TEST(HelpPages, TheClimatePageQuotesTheBuiltInTables) {
  const std::string page = HelpPage("12_Климатические_данные.htm");
  const auto climate = ovalto::ClimateTable();
  const std::size_t settlements = climate.size(), wind = ovalto::WindTable().size();
  EXPECT_NE(page.find("по " + std::to_string(settlements) + " населённым пунктам " +
                      std::to_string(ovalto::ClimateRegions().size()) + " регионов"),
            std::string::npos);
  EXPECT_NE(page.find("скорость ветра по " + std::to_string(wind) + " из них"), std::string::npos);
  EXPECT_NE(page.find("Для " + std::to_string(settlements - wind) + " населённых пунктов нет данных о ветре"),
            std::string::npos);
  const auto with = [&](std::optional<double> ovalto::ClimateRecord::*field) {
    return std::to_string(std::count_if(climate.begin(), climate.end(),
                                        [&](const ovalto::ClimateRecord& row) { return (row.*field).has_value(); }));
  };
  const std::string annual = with(&ovalto::ClimateRecord::AnnualMeanTemp);
  const std::string warm = with(&ovalto::ClimateRecord::SummerTemp);
  EXPECT_NE(page.find("Средняя годовая температура есть для " + annual + " пунктов"), std::string::npos);
  ASSERT_EQ(warm, with(&ovalto::ClimateRecord::AbsMaxTemp));  // the page gives one count for both
  EXPECT_NE(page.find("абсолютная максимальная температура есть для " + warm + " пунктов"), std::string::npos);
}

// The tasks page lists the thicknesses a calculated pipe or tank thickness is rounded up to.
TEST(HelpPages, TheTasksPageListsThePipeAndTankThicknesses) {
  std::string series;
  for (const ovalto::ThicknessStep& step : ovalto::MakeStdThicknessTable()) {
    if (step.ThicknessMm > 0 && (step.SeriesFlags & ovalto::kPipeTankSeries)) {
      series += (series.empty() ? "" : ", ") + std::to_string(static_cast<int>(step.ThicknessMm));
    }
  }
  const auto last = series.rfind(", ");
  series.replace(last, 2, " или ");
  const std::string page = HelpPage("08_Задачи_расчета.htm");
  EXPECT_NE(page.find(series + " мм"), std::string::npos) << series;
}

// A row of a page's table of kinds: the object and its place, the task, the sought value and
// the other rows of the grid.
struct KindTableRow {
  std::string Object, Task, Sought;
  std::vector<std::string> Rows;
};

std::vector<KindTableRow> KindTable(const std::string& page) {
  static const std::regex row(
      R"(<tr><td>([^<]*)</td><td>([^<]*)</td><td>([^<]*)</td><td class="rows">([^<]*)</td></tr>)");
  std::vector<KindTableRow> table;
  for (std::sregex_iterator at(page.begin(), page.end(), row), end; at != end; ++at) {
    table.push_back({(*at)[1], (*at)[2], (*at)[3], ovalto::SplitPieces((*at)[4], "; ")});
  }
  return table;
}

// Each system's page names its kinds in the order of their labels with the rows their grid
// shows, as the calculation screen builds it, and counts them.
TEST(HelpPages, TheSystemPagesListTheRowsEachKindShows) {
  const struct {
    const char* Page;
    int System;
  } pages[] = {{"04_Отопление.htm", 1},
               {"05_Водоснабжение.htm", 2},
               {"06_Вентиляция_и_кондиционирование.htm", 3},
               {"07_Технология.htm", 5}};
  for (const auto& [name, system] : pages) {
    const std::string page = HelpPage(name);
    const std::vector<KindTableRow> table = KindTable(page);
    std::size_t at = 0;
    for (const ovalto::CalcKind& kind : ovalto::CalcKinds()) {
      if (kind.Code / 10000 != system) continue;
      ASSERT_LT(at, table.size()) << name << " leaves out " << kind.Code;
      const KindTableRow& row = table[at++];
      ovalto::testing::KindSession screen;
      screen.Choose(kind.Code);
      const std::string& sought = screen.Session.SoughtVariable;
      std::vector<std::string> rows;
      for (const std::string& shown : screen.ShownNames()) {
        if (shown != sought && shown != "Wiz") rows.push_back(screen.Caption(shown));
      }
      EXPECT_EQ(row.Rows, rows) << name << " on " << kind.Code;
      EXPECT_EQ(row.Sought, screen.Caption(sought)) << name << " on " << kind.Code;
      const std::string fullName(kind.FullName);
      EXPECT_TRUE(fullName.ends_with(", " + row.Task)) << name << " names " << kind.Code << " " << row.Task;
      for (const std::string& part : ovalto::SplitPieces(row.Object, ", ")) {
        EXPECT_NE(fullName.find(part), std::string::npos) << name << " names " << kind.Code << " " << row.Object;
      }
    }
    EXPECT_EQ(table.size(), at) << name << " lists kinds its tab does not offer";
    EXPECT_NE(page.find("содержит " + std::to_string(at) + " вид"), std::string::npos) << name;
  }
  EXPECT_NE(HelpPage("08_Задачи_расчета.htm").find("предлагает " + std::to_string(ovalto::CalcKinds().size()) + " вид"),
            std::string::npos);
}

}  // namespace
}  // namespace setup::test
