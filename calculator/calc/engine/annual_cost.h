// The energy-efficiency sizing that pipes and tanks share: the annual cost
// of a candidate thickness is the heat it lets through plus the capital
// charges on the insulation work, and the cheapest standard step wins.
#pragma once

#include <string>

#include "engine/scheme_frame.h"

namespace ovalto {

// Amounts of one candidate's insulation work that the cost model prices.
struct InsulationWork {
  double InsulationVolume;  // m3 of insulation, with its waste
  double Q1, Q2, Q3, Q4;    // glue, tape, fixings and covering work
  double LabourRate;        // labour hours per unit of the labour factor
};

struct CandidateCost {
  double Capital;  // material, transport and labour, roubles
  double Heat;     // heat lost in a year, roubles
};

// What the capital cost takes from the inputs, the same for every candidate.
struct CapitalRates {
  double TransportPercent;  // "Ktr"
  double Wages;             // "Zpl", roubles a month
  bool Covered;             // a covering goes over the insulation
};
CapitalRates CapitalRatesOf(SchemeRun& run);

// Capital cost of the insulation work of a candidate of thicknessMm.
double InsulationCapitalCost(const CapitalRates& rates, const InsulationWork& work, double thicknessMm);

// The charge rates on capital: 0.055 + 0.125 a year.
inline constexpr double kCapitalChargeRate = 0.055 + 0.125;

// A cost line as text: "charge\theat\ttotal", each with two decimals,
// right-aligned in five places, with a decimal comma.
std::string CostLineText(const CostLine& line);

// One candidate's annual cost into its chart values (total, capital charge,
// heat part), the cost lines when asked, and the cheapest kept.
void RecordAnnualCost(SchemeRun& run, const Candidate& candidate, const CandidateCost& cost, bool writeChartLines);
// "Wiz" in the calculated mode and "Egod", both to 0.01.
void FinishEnergyEfficiency(SchemeRun& run);

// Scans the candidates for the smallest annual cost; costAt(thicknessMm)
// gives the CandidateCost.
template <class CostAt>
void EnergyEfficiencyScan(SchemeRun& run, bool writeChartLines, CostAt&& costAt) {
  run.Engine.InnerCoefficient = 1000;
  StartSmallestCriterion(run.Engine);
  if (writeChartLines) {
    run.Engine.ChartLines.clear();
    run.Engine.ChartLines.reserve(kThicknessStepCount);
  }
  ThicknessScan(run, [&](const Candidate& candidate) {
    RecordAnnualCost(run, candidate, costAt(candidate.ThicknessMm), writeChartLines);
  });
  FinishEnergyEfficiency(run);
}

}  // namespace ovalto
