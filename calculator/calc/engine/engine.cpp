#include "engine/engine.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/duct_scheme_sections.h"
#include "engine/input_validation.h"
#include "engine/scheme_sections.h"
#include "kinds/calc_kind_setup.h"
#include "number_format.h"

namespace ovalto {

const char* const kCalculationFailedText = "Расчет не может быть выполнен.\r\rПроверьте исходные данные !";

CalculationFailure::CalculationFailure() : std::runtime_error(kCalculationFailedText) {}

namespace {

ThicknessTable BuildStdThicknessTable() {
  // Whole millimetres of the two series the chart plots; 0 belongs to both.
  constexpr int kPipeTank[] = {0, 6, 9, 13, 20, 23, 26, 30, 33, 40, 50, 53, 60, 69, 80, 90, 100, 110, 113, 120};
  constexpr int kDuct[] = {0,  3,  5,  8,  10, 15, 20, 23, 25, 28, 30, 35,  40,  43,  45,  48,  50,  55, 60,
                           63, 65, 68, 70, 75, 80, 83, 85, 88, 90, 95, 100, 103, 105, 108, 110, 115, 120};
  auto flagsOf = [&](int mm) {
    std::uint8_t flags = 0;
    if (std::find(std::begin(kPipeTank), std::end(kPipeTank), mm) != std::end(kPipeTank)) flags |= kPipeTankSeries;
    if (std::find(std::begin(kDuct), std::end(kDuct), mm) != std::end(kDuct)) flags |= kDuctSeries;
    return flags;
  };
  ThicknessTable table{};
  table[0] = ThicknessStep{flagsOf(0), 0};
  table[1] = ThicknessStep{0, 0.1};
  for (int mm = 1; mm <= 120; ++mm) table[static_cast<std::size_t>(mm + 1)] = ThicknessStep{flagsOf(mm), double(mm)};
  return table;
}

}  // namespace

ThicknessTable MakeStdThicknessTable() {
  static const ThicknessTable kSteps = BuildStdThicknessTable();
  return kSteps;
}

double RoundToStdThickness(double x) {
  static const ThicknessTable kSteps = MakeStdThicknessTable();
  double chosen = x;
  for (std::size_t i = 1; i < kSteps.size(); ++i) {
    if (kSteps[i].ThicknessMm >= x) {
      chosen = kSteps[i].ThicknessMm;
      break;
    }
  }
  return RoundHalfEven(chosen, 0);
}

namespace {

struct SchemeEntry {
  int Code;
  bool (*Section)(SchemeRun&);
};

// Scheme codes that no kind folds onto (21211, 21214) still reach the
// sections the engine always routed them to.
constexpr SchemeEntry kSchemes[] = {
    {11110, PipeEnergyEfficiency},
    {11120, PipeEnergyEfficiency},
    {11111, PipeHeatFlow},
    {11121, PipeHeatFlow},
    {11112, PipeSurfaceTemperature},
    {11114, PipeTemperatureChange},
    {11124, PipeTemperatureChange},
    {11125, PipeFreezeProtection},
    {11210, TankEnergyEfficiency},
    {11220, TankEnergyEfficiency},
    {11211, TankHeatFlow},
    {11221, TankHeatFlow},
    {21211, TankHeatFlow},
    {11212, TankSurfaceTemperature},
    {11214, TankTemperatureChange},
    {11224, TankTemperatureChange},
    {21214, TankTemperatureChange},
    {21123, PipeOuterCondensation},
    {31313, FlatWallOuterCondensation},
    {31211, RoundDuctHeatFlow},
    {31221, RoundDuctHeatFlow},
    {31311, RectangularDuctHeatFlow},
    {31321, RectangularDuctHeatFlow},
    {31224, DuctTemperatureChange},
    {31324, DuctTemperatureChange},
    {31226, RoundDuctInnerCondensation},
    {31326, RectangularDuctInnerCondensation},
};

}  // namespace

void RunScheme(CalcSession& session, EngineState& state, const std::string& derivedName) {
  state.Outputs.Chart = false;
  state.Outputs.Print = false;
  state.Outputs.Excel = false;
  session.CalcKindName.clear();
  // A coefficient taken from the design code's table is not derived over.
  if (derivedName == "An" && session.Grid.bbGetKT.Tag > 0) return;
  ShowCalcKindName(session);

  SchemeRun run(session, state, derivedName);
  for (const SchemeEntry& entry : kSchemes) {
    if (entry.Code != session.CalcSchemeCode) continue;
    if (!entry.Section(run)) return;  // a derivation was answered
    break;
  }

  state.Outputs.Chart = true;
  if (state.RedrawChart) state.RedrawChart();
  state.Outputs.Print = true;
  state.Outputs.Excel = true;
}

void CalculationEngine::CalculateScheme(const std::string& derivedName) {
  if (derivedName.empty()) {
    RunScheme(session_, State, derivedName);
    return;
  }
  try {
    RunScheme(session_, State, derivedName);
  } catch (const CalculationFailure& failure) {
    session_.Messages.ShowRaisedError(failure.what());
  }
}

int CalculationEngine::ValidateInputs(bool showMessages) {
  return ovalto::ValidateInputs(session_, State.Outputs, showMessages);
}

}  // namespace ovalto
