// What the results chart shows, worked out from the engine's last full run
// without any widget: the points of the three lines with their axis texts,
// the titles and whether the legend is shown. The window only draws it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "state/calc_session.h"

namespace ovalto {

struct ChartPoint {
  double X = 0;      // thickness, mm, rounded to two decimals
  double Y = 0;      // the line's value, rounded to two decimals
  std::string Text;  // the bottom axis label of the point
};

struct ChartSeriesData {
  bool Active = false;  // the run filled this line
  std::vector<ChartPoint> Points;
  // Empty where the kind's table row sets no title: the line keeps the one
  // it had.
  std::optional<std::string> Title;
};

struct ChartData {
  std::array<ChartSeriesData, 3> Series;  // Series1 red, Series2 blue, Series3 green
  bool LegendVisible = false;
  std::string Title;          // chart title, one line
  std::string LeftAxisTitle;  // title of the value axis
};

inline constexpr const char* kBottomAxisTitle = "Толщина изоляции, мм";

// The chart of the chosen kind over the standard thicknesses of its object's
// series, from the chart values and the chart mode of the last full run.
// Reads "QL", "Tp", "T2", "Zt", "Vla" or "Vlv" for the reference lines'
// titles.
ChartData MakeChartData(CalcSession& session, const EngineState& engine);

}  // namespace ovalto
