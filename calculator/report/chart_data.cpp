#include "report/chart_data.h"

#include <algorithm>
#include <initializer_list>

#include "kinds/calc_kind_setup.h"
#include "number_format.h"
#include "state/variable_list.h"

namespace ovalto {

namespace {

// The degree sign and the Cyrillic capital Es, as the captions of the grid
// write degrees Celsius.
constexpr const char* kDegrees = "\u00B0\u0421";

bool IsOneOf(int code, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool IsEnergyEfficiencyKind(int kindCode) { return IsOneOf(kindCode, {11110, 11120, 11210, 11220}); }

// The number of a variable followed by its unit: the title of a reference
// line such as the required heat flow.
std::string ValueTitle(CalcSession& session, const char* name, const std::string& ending) {
  return FormatGeneral(session.Variables.GetVariable(name)) + ending;
}

void SetTitles(CalcSession& session, ChartData& chart) {
  const int scheme = session.CalcSchemeCode;
  auto set = [&chart](const std::string& title, const std::string& axis, const std::string& first) {
    chart.Title = title;
    chart.LeftAxisTitle = axis;
    chart.Series[0].Title = first;
  };
  const std::string degrees = kDegrees;
  if (IsOneOf(scheme, {11110, 11120, 11210, 11220})) {
    set("АНАЛИЗ ЗАТРАТ, руб.", "Суммарная стоимость, руб.", "суммарная стоимость затрат");
    chart.Series[1].Title = "стоимость изоляционной конструкции";
    chart.Series[2].Title = "стоимость тепловых потерь";
  } else if (IsOneOf(scheme, {11111, 11121, 11211, 11221, 31211, 31221, 31311, 31321})) {
    // A pipe and a round duct lose their heat per metre of length, a tank's
    // wall and a rectangular duct's side per square metre of surface.
    const int shape = ObjectShape(session);
    if (shape == kShapeTank || shape == kShapeRectangularDuct) {
      set("ПЛОТНОСТЬ ТЕПЛОВОГО ПОТОКА, Вт/м2", "Плотность теплового потока, Вт/м2",
          "плотность теплового потока, Вт/м2");
      chart.Series[2].Title = ValueTitle(session, ListHasVariable(session.VariableList, "Qf") ? "Qf" : "QL", " Вт/м2");
    } else {
      set("ТЕПЛОВОЙ ПОТОК, Вт/м", "Тепловой поток, Вт/м", "тепловой поток, Вт/м");
      chart.Series[2].Title = ValueTitle(session, "QL", " Вт/м");
    }
  } else if (IsOneOf(scheme, {11112, 11212})) {
    set("Температура поверхности, " + degrees, "Температура поверхности," + degrees,
        "Температура поверхности," + degrees);
    chart.Series[1].Title = ValueTitle(session, "Tp", ", " + degrees);
  } else if (IsOneOf(scheme, {11114, 11124, 11214, 11224, 31224, 31324})) {
    set("Изменение температуры вещества", "Температура вещества, " + degrees, "Температура вещества, " + degrees);
    chart.Series[1].Title = ValueTitle(session, "T2", ", " + degrees);
  } else if (scheme == 11125) {
    set("Время приостановки движения вещества, ч", "Время приостановки, ч", "Время приостановки, ч");
    chart.Series[1].Title = ValueTitle(session, "Zt", ", ч");
  } else if (IsOneOf(scheme, {21123, 31226, 31313, 31326})) {
    const bool air = ListHasVariable(session.VariableList, "Vla");
    const std::string title = air ? "Относительная влажность воздуха, %" : "Относительная влажность вещества, %";
    set(title, title, title);
    chart.Series[1].Title = ValueTitle(session, air ? "Vla" : "Vlv", ", %");
  }
}

}  // namespace

ChartData MakeChartData(CalcSession& session, const EngineState& engine) {
  ChartData chart;
  for (int line = 0; line < 3; ++line) chart.Series[line].Active = (engine.ChartMode >> line) & 1;
  chart.LegendVisible = IsEnergyEfficiencyKind(session.CalcKindCode);
  const std::uint8_t mask = ObjectShape(session) >= kShapeRoundDuct ? kDuctSeries : kPipeTankSeries;

  // The insulation's cost line starts at no thickness and no cost.
  if (chart.LegendVisible) chart.Series[1].Points.push_back({0, 0, ""});
  for (const ThicknessStep& step : engine.StdThicknessTable) {
    if (!(step.SeriesFlags & mask)) continue;
    const double x = RoundHalfEven(step.ThicknessMm, 2);
    const std::string text = FormatGeneral(x);
    const double values[3] = {step.Series1Value, step.Series2Value, step.Series3Value};
    for (int line = 0; line < 3; ++line) {
      if (chart.Series[line].Active) chart.Series[line].Points.push_back({x, RoundHalfEven(values[line], 2), text});
    }
  }
  SetTitles(session, chart);
  return chart;
}

}  // namespace ovalto
