// The help pages as installed: in code page 1251 as they declare, every page and picture they
// point to is in the payload, and the figures they quote are the program's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "cp1251.h"
#include "engine/engine_state.h"
#include "setup_test_support.h"
#include "tables/climate_tables.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

TEST(HelpPages, DeclareTheirCodePageAndPointOnlyToWhatIsInstalled) {
  const fs::path help = StagedPayload() / "help";
  ASSERT_TRUE(fs::exists(help / "01_Общая_часть.htm")) << "the page the calculator opens";
  int pages = 0, links = 0;
  const std::regex reference(R"re((?:href|src)="([^"#:]+)")re");
  for (const auto& item : fs::directory_iterator(help)) {
    if (item.path().extension() != ".htm") continue;
    ++pages;
    const std::string page = ovalto::Cp1251ToUtf8(ReadText(item.path()));
    EXPECT_NE(page.find("<meta charset=\"windows-1251\">"), std::string::npos) << item.path();
    EXPECT_NE(page.find("</html>"), std::string::npos) << item.path();
    for (std::sregex_iterator at(page.begin(), page.end(), reference), end; at != end; ++at) {
      ++links;
      EXPECT_TRUE(fs::exists(help / (*at)[1].str())) << item.path().filename() << " points to " << (*at)[1];
    }
  }
  EXPECT_GE(pages, 6);
  EXPECT_GT(links, pages * 6);
}

// The page's text with its line breaks and indents as single blanks, as a browser shows it.
std::string HelpPage(const char* name) {
  const std::string page = ovalto::Cp1251ToUtf8(ReadText(StagedPayload() / "help" / name));
  return std::regex_replace(page, std::regex("\\s+"), " ");
}

// The climate page tells the user where the data ends; it must follow the built-in tables.
TEST(HelpPages, TheClimatePageQuotesTheBuiltInTables) {
  const std::string page = HelpPage("04_Климатические_данные.htm");
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
  const std::string page = HelpPage("03_Задачи_расчета.htm");
  EXPECT_NE(page.find(series + " мм"), std::string::npos) << series;
}

}  // namespace
}  // namespace setup::test
