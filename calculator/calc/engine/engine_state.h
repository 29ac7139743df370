// What the calculation engine keeps between its calls: the standard
// thickness steps with the chart values of the last full run, the chart
// mode, the cost lines, the working values that one call leaves for the
// next, and the enabled state of the outputs that a run unlocks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ovalto {

// Series flags of a thickness step: which chart series the step belongs to.
enum SeriesFlag : std::uint8_t {
  kPipeTankSeries = 1,
  kDuctSeries = 2,
};

struct ThicknessStep {
  std::uint8_t SeriesFlags = 0;
  double ThicknessMm = 0;
  // Chart values of the three lines at this step, written by full runs.
  double Series1Value = 0;
  double Series2Value = 0;
  double Series3Value = 0;
};

constexpr int kThicknessStepCount = 122;  // 0, 0.1, then 1 to 120 mm
using ThicknessTable = std::array<ThicknessStep, kThicknessStepCount>;

// The standard steps with all chart values 0.
ThicknessTable MakeStdThicknessTable();

// Bits of the chart mode: which of the three chart lines the last run filled.
enum ChartLine : std::uint8_t {
  kChartLine1 = 1,
  kChartLine2 = 2,
  kChartLine3 = 4,
};

// The window controls whose enabled state the engine and the input check
// decide; the window copies them onto its buttons after each call.
struct OutputControls {
  bool Chart = false;        // DIAG
  bool ChartButton = false;  // bbDiag
  bool Print = false;        // bbPrnt
  bool Excel = false;        // bbExcel
};

// One cost line of the pipe energy-efficiency scan, kept as numbers: no
// screen shows the lines, so they are written as text only when asked
// (CostLineText, annual_cost.h).
struct CostLine {
  double Charge = 0;  // capital charge
  double Heat = 0;    // heat part
  double Total = 0;
};

struct EngineState {
  ThicknessTable StdThicknessTable = MakeStdThicknessTable();
  std::uint8_t ChartMode = 0;
  // Cost lines of the pipe energy-efficiency scan, one a table step.
  std::vector<CostLine> ChartLines;
  OutputControls Outputs;
  // Set by the window: redraws the chart when its panel is shown. Called at
  // the end of every full run.
  std::function<void()> RedrawChart;

  // Working values. They outlive a call on purpose: a derivation that does
  // not set one reads what the last run left (0 before the first).
  double Tm = 0;   // mean temperature of the insulation layer
  double Liz = 0;  // insulation conductivity
  double An = 0;   // outer heat-transfer coefficient
  double OuterRadiationCoefficient = 0;
  double InnerCoefficient = 0;
  double Tb = 0, Tn = 0, T1 = 0, T2 = 0;
  double OuterSize = 0;  // "Dn" or "De" as loaded by a scheme
  double CandidateMm = 0;
  double BestValue = 0;
  double BestThickness = 0;
  double ResultValue = 0;
};

}  // namespace ovalto
