#include "report/chart_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "kind_session.h"
#include "kinds/calc_kinds.h"

namespace ovalto {
namespace {

class ChartDataTest : public testing::KindScreenTest {
 protected:
  // A run's chart values: line n holds n * 1000 + the thickness.
  // `set` stands for what the run wrote into the variable table.
  ChartData ChartAfterRun(
      int kind, std::uint8_t mode, const std::function<void()>& set = [] {}) {
    screen.Choose(kind);
    set();
    for (ThicknessStep& step : engine.StdThicknessTable) {
      step.Series1Value = 1000 + step.ThicknessMm;
      step.Series2Value = 2000 + step.ThicknessMm;
      step.Series3Value = 3000 + step.ThicknessMm;
    }
    engine.ChartMode = mode;
    return MakeChartData(session, engine);
  }

  static std::vector<double> Xs(const ChartSeriesData& series) {
    std::vector<double> xs;
    for (const ChartPoint& point : series.Points) xs.push_back(point.X);
    return xs;
  }

  EngineState engine;
};

const std::vector<double> kPipeSteps = {0,  6,  9,  13, 20, 23, 26,  30,  33,  40,
                                        50, 53, 60, 69, 80, 90, 100, 110, 113, 120};

TEST_F(ChartDataTest, EnergyEfficiencyShowsTheLegendAndStartsTheInsulationCostAtZero) {
  const ChartData chart = ChartAfterRun(11110, 7);
  EXPECT_TRUE(chart.LegendVisible);
  EXPECT_EQ(chart.Title, "АНАЛИЗ ЗАТРАТ, руб.");
  EXPECT_EQ(chart.LeftAxisTitle, "Суммарная стоимость, руб.");
  EXPECT_EQ(chart.Series[0].Title, "суммарная стоимость затрат");
  EXPECT_EQ(chart.Series[1].Title, "стоимость изоляционной конструкции");
  EXPECT_EQ(chart.Series[2].Title, "стоимость тепловых потерь");
  for (const ChartSeriesData& series : chart.Series) EXPECT_TRUE(series.Active);

  EXPECT_EQ(Xs(chart.Series[0]), kPipeSteps);
  EXPECT_EQ(Xs(chart.Series[2]), kPipeSteps);
  ASSERT_EQ(chart.Series[1].Points.size(), kPipeSteps.size() + 1);
  const ChartPoint& origin = chart.Series[1].Points[0];
  EXPECT_EQ(origin.X, 0);
  EXPECT_EQ(origin.Y, 0);
  EXPECT_EQ(origin.Text, "");
  EXPECT_EQ(chart.Series[1].Points[1].Y, 2000);
  EXPECT_EQ(chart.Series[0].Points[4].Text, "20");
  EXPECT_EQ(chart.Series[0].Points[4].Y, 1020);
}

TEST_F(ChartDataTest, DuctKindsPlotTheDuctStepsOnly) {
  const ChartData chart = ChartAfterRun(31211, 5, [&] { session.Variables.SetVariable("QL", "!", -12.5); });
  EXPECT_FALSE(chart.LegendVisible);
  const std::vector<double> xs = Xs(chart.Series[0]);
  ASSERT_EQ(xs.size(), 37u);
  EXPECT_EQ(xs[1], 3);
  EXPECT_EQ(xs[2], 5);
  EXPECT_EQ(xs.back(), 120);
  EXPECT_EQ(std::count(xs.begin(), xs.end(), 0.1), 0);
  EXPECT_EQ(std::count(xs.begin(), xs.end(), 6), 0) << "a pipe-only step";
  EXPECT_FALSE(chart.Series[1].Active);
  EXPECT_TRUE(chart.Series[1].Points.empty());

  // The required heat flow titles the reference line, from the variable.
  EXPECT_EQ(chart.Title, "ТЕПЛОВОЙ ПОТОК, Вт/м");
  EXPECT_EQ(chart.Series[2].Title, "-12,5 Вт/м");
  EXPECT_FALSE(chart.Series[1].Title) << "not set: the line keeps its earlier title";
}

TEST_F(ChartDataTest, TanksAndRectangularDuctsPlotTheHeatFlowPerSquareMetre) {
  const ChartData tank = ChartAfterRun(11221, 5, [&] { session.Variables.SetVariable("Qf", "!", 17.3); });
  EXPECT_EQ(tank.Title, "ПЛОТНОСТЬ ТЕПЛОВОГО ПОТОКА, Вт/м2");
  EXPECT_EQ(tank.LeftAxisTitle, "Плотность теплового потока, Вт/м2");
  EXPECT_EQ(tank.Series[0].Title, "плотность теплового потока, Вт/м2");
  EXPECT_EQ(tank.Series[2].Title, "17,3 Вт/м2") << "the tank's norm, not the pipe's";

  // A rectangular duct's side is a flat wall; its norm is named "QL".
  const ChartData duct = ChartAfterRun(31311, 5, [&] { session.Variables.SetVariable("QL", "!", 25); });
  EXPECT_EQ(duct.Title, "ПЛОТНОСТЬ ТЕПЛОВОГО ПОТОКА, Вт/м2");
  EXPECT_EQ(duct.Series[2].Title, "25 Вт/м2");

  const std::vector<int> perSquareMetre = {11211, 11221, 31311, 31321, 52111, 52121, 52211};
  for (const CalcKind& kind : CalcKinds()) {
    if (kind.Code % 10 != 1) continue;  // the heat-flow kinds
    const bool flat = std::count(perSquareMetre.begin(), perSquareMetre.end(), kind.Code) > 0;
    const ChartData chart = ChartAfterRun(kind.Code, 5);
    EXPECT_EQ(chart.LeftAxisTitle, flat ? "Плотность теплового потока, Вт/м2" : "Тепловой поток, Вт/м") << kind.Code;
    EXPECT_TRUE(chart.Series[2].Title->ends_with(flat ? " Вт/м2" : " Вт/м")) << kind.Code;
  }
}

TEST_F(ChartDataTest, TanksUseThePipeAndTankSteps) {
  const ChartData chart = ChartAfterRun(11211, 5);
  EXPECT_EQ(Xs(chart.Series[0]), kPipeSteps);
}

TEST_F(ChartDataTest, CondensationTitlesFollowTheShownHumidity) {
  ChartData air = ChartAfterRun(21123, 5, [&] { session.Variables.SetVariable("Vla", "!", 75); });
  EXPECT_EQ(air.Title, "Относительная влажность воздуха, %");
  EXPECT_EQ(air.LeftAxisTitle, air.Title);
  EXPECT_EQ(air.Series[0].Title, air.Title);
  EXPECT_EQ(air.Series[1].Title, "75, %");

  ChartData substance = ChartAfterRun(31226, 5, [&] { session.Variables.SetVariable("Vlv", "!", 90); });
  EXPECT_EQ(substance.Title, "Относительная влажность вещества, %");
  EXPECT_EQ(substance.Series[1].Title, "90, %");

  // The rectangular ducts: outside the air's humidity, inside the substance's.
  EXPECT_EQ(ChartAfterRun(31313, 5).Title, "Относительная влажность воздуха, %");
  EXPECT_EQ(ChartAfterRun(31326, 5).Title, "Относительная влажность вещества, %");
}

TEST_F(ChartDataTest, SurfaceTemperatureAndStandstillTitles) {
  // The chart title has a blank before the degrees, the axis and the line not.
  const ChartData surface = ChartAfterRun(11212, 3, [&] { session.Variables.SetVariable("Tp", "!", 45); });
  EXPECT_EQ(surface.Title, "Температура поверхности, \u00B0\u0421");
  EXPECT_EQ(surface.LeftAxisTitle, "Температура поверхности,\u00B0\u0421");
  EXPECT_EQ(surface.Series[0].Title, "Температура поверхности,\u00B0\u0421");
  EXPECT_EQ(surface.Series[1].Title, "45, \u00B0\u0421");
  EXPECT_FALSE(surface.Series[2].Title);

  const ChartData standstill = ChartAfterRun(11125, 5, [&] { session.Variables.SetVariable("Zt", "!", 2.5); });
  EXPECT_EQ(standstill.Title, "Время приостановки движения вещества, ч");
  EXPECT_EQ(standstill.LeftAxisTitle, "Время приостановки, ч");
  EXPECT_EQ(standstill.Series[0].Title, "Время приостановки, ч");
  EXPECT_EQ(standstill.Series[1].Title, "2,5, ч");
}

TEST_F(ChartDataTest, TemperatureTitlesWriteDegreesWithTheCyrillicEs) {
  const ChartData chart = ChartAfterRun(11114, 3, [&] { session.Variables.SetVariable("T2", "!", 55.5); });
  EXPECT_EQ(chart.Title, "Изменение температуры вещества");
  EXPECT_EQ(chart.Series[0].Title, "Температура вещества, \u00B0\u0421");
  EXPECT_EQ(chart.Series[1].Title, "55,5, \u00B0\u0421");
  EXPECT_TRUE(chart.Series[1].Active);
  EXPECT_FALSE(chart.Series[2].Active);
}

TEST_F(ChartDataTest, ValuesAreRoundedToTwoDecimalsHalvesToEven) {
  screen.Choose(11111);
  engine.ChartMode = 5;
  engine.StdThicknessTable[0].Series1Value = 0.125;  // exactly half a hundredth
  engine.StdThicknessTable[0].Series3Value = 0.375;
  engine.StdThicknessTable[7].Series1Value = 12.3456;  // 6 mm
  const ChartData chart = MakeChartData(session, engine);
  EXPECT_EQ(chart.Series[0].Points[0].Y, 0.12);
  EXPECT_EQ(chart.Series[2].Points[0].Y, 0.38);
  EXPECT_EQ(chart.Series[0].Points[1].X, 6);
  EXPECT_EQ(chart.Series[0].Points[1].Y, 12.35);
}

TEST_F(ChartDataTest, EveryKindHasItsTitlesAndItsObjectsSteps) {
  for (const CalcKind& kind : CalcKinds()) {
    const ChartData chart = ChartAfterRun(kind.Code, 5);
    EXPECT_FALSE(chart.Title.empty()) << kind.Code;
    EXPECT_FALSE(chart.LeftAxisTitle.empty()) << kind.Code;
    EXPECT_TRUE(chart.Series[0].Title) << kind.Code;
    EXPECT_EQ(chart.Series[0].Points.size(), IsDuctKind(kind.Code) ? 37u : 20u) << kind.Code;
  }
}

TEST_F(ChartDataTest, BeforeTheFirstRunNoLineIsShown) {
  const ChartData chart = ChartAfterRun(11111, 0);
  for (const ChartSeriesData& series : chart.Series) {
    EXPECT_FALSE(series.Active);
    EXPECT_TRUE(series.Points.empty());
  }
}

}  // namespace
}  // namespace ovalto
