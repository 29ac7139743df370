#include "engine/annual_cost.h"

#include <charconv>

#include "number_format.h"
#include "tables/reference_tables.h"

namespace ovalto {

namespace {

// Work steps of fitting the insulation: a covering adds one, and thick
// layers go on in more than one pass.
int LabourFactor(bool covered, double thicknessMm) {
  if (covered) return thicknessMm <= 20 ? 2 : thicknessMm <= 40 ? 3 : 4;
  return thicknessMm <= 20 ? 1 : thicknessMm <= 40 ? 2 : thicknessMm <= 60 ? 3 : 4;
}

void AppendCostNumber(std::string& line, double value) {
  char text[400];  // the widest double in fixed notation
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  const auto length = static_cast<std::size_t>(written.ptr - text);
  if (length < 5) line.append(5 - length, ' ');
  for (std::size_t i = 0; i < length; ++i) line += text[i] == '.' ? ',' : text[i];
}

}  // namespace

std::string CostLineText(const CostLine& line) {
  std::string text;
  text.reserve(40);
  AppendCostNumber(text, line.Charge);
  text += '\t';
  AppendCostNumber(text, line.Heat);
  text += '\t';
  AppendCostNumber(text, line.Total);
  return text;
}

CapitalRates CapitalRatesOf(SchemeRun& run) {
  const std::string& covering = run.Session.Grid.cbTP.SelectedText();
  return {run.Var("Ktr"), run.Var("Zpl"), !covering.empty() && covering != CoveringTypeTable[0].CoveringName};
}

double InsulationCapitalCost(const CapitalRates& rates, const InsulationWork& work, double thicknessMm) {
  const double material =
      16000 * work.InsulationVolume + 250 * work.Q1 + 4.56 * work.Q2 + 300 * work.Q3 + 146.36 * work.Q4;
  const double transport = rates.TransportPercent * material / 100;
  const double labour = LabourFactor(rates.Covered, thicknessMm) * work.LabourRate * (rates.Wages * 1.56) / 1760;
  return material + transport + labour;
}

void RecordAnnualCost(SchemeRun& run, const Candidate& candidate, const CandidateCost& cost, bool writeChartLines) {
  EngineState& engine = run.Engine;
  const double charge = kCapitalChargeRate * cost.Capital;
  const double total = Finite(cost.Heat + charge);
  if (candidate.Step) {
    candidate.Step->Series1Value = total;
    candidate.Step->Series2Value = Finite(charge);
    candidate.Step->Series3Value = total - charge;
    if (writeChartLines) {
      engine.ChartLines.push_back({charge, total - charge, total});
    }
  }
  if (OfferCandidate(engine, total, candidate.ThicknessMm) &&
      (ScanMode(run.Session) == ThicknessMode::Calculated || candidate.IsUsersThickness())) {
    engine.ResultValue = total;
  }
}

void FinishEnergyEfficiency(SchemeRun& run) {
  EngineState& engine = run.Engine;
  FinishScan(run, RoundHalfEven(engine.BestThickness, 2), kChartLine1 | kChartLine2 | kChartLine3);
  engine.ResultValue = RoundHalfEven(engine.ResultValue, 2);
  run.Write("Egod", engine.ResultValue);
}

}  // namespace ovalto
