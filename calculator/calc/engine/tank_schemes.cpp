// Tank sections of the engine: a vertical cylindrical tank treated as a flat
// wall, its surface the side and both ends. Units: sizes and thicknesses in
// mm, areas in m2, volumes in m3, heat flow density in W/m2, times in h.
#include <cmath>
#include <numbers>

#include "engine/annual_cost.h"
#include "engine/scheme_sections.h"
#include "number_format.h"

namespace ovalto {

namespace {

constexpr double kPi = std::numbers::pi;

double TankSurface(SchemeRun& run) {
  const double de = run.Var("De");
  return kPi * run.Var("He") * de / 1000000 + kPi * de * de / 2000000;
}

double TankVolume(SchemeRun& run) {
  const double de = run.Var("De");
  return kPi * run.Var("He") * de * de / 4e9;
}

// Resistance of a square metre of wall under a layer of d mm, m2·K/W; the
// tank's own wall is left out.
double WallResistance(const EngineState& e, double d) {
  return Div(d, 1000 * e.Liz) + Div(1, e.An) + Div(1, e.InnerCoefficient);
}

}  // namespace

bool TankEnergyEfficiency(SchemeRun& run) {
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  run.Engine.OuterSize = run.Var("De");
  if (!OuterCoefficientStep(run)) return false;
  const EngineState& e = run.Engine;
  const double surface = TankSurface(run);
  const double heatPrice =
      run.Var("Be") * 3.6 * run.Var("Z") / 1000000 / 4.184 * surface * (e.Tb - e.Tn) * run.Var("Kdp");
  const CapitalRates rates = CapitalRatesOf(run);
  EnergyEfficiencyScan(run, false, [&](double d) {
    InsulationWork work{};
    work.InsulationVolume = 1.1 * surface * d / 1000;
    work.Q1 = 0.275 * surface;
    work.Q2 = 2.86 * surface;
    work.Q3 = 0.15 * work.Q1;
    work.Q4 = 1.2 * surface;
    work.LabourRate = 7.1;
    return CandidateCost{InsulationCapitalCost(rates, work, d), Div(heatPrice, WallResistance(e, d))};
  });
  return true;
}

bool TankHeatFlow(SchemeRun& run) {
  if (!OpenAtSubstanceTemperature(run, {}) || !OuterCoefficientStep(run)) return false;
  EngineState& e = run.Engine;
  e.InnerCoefficient = 1000;
  StartSmallestCriterion(e);
  bool reachable = false;
  const double driving = run.Var("Kdp") * (e.Tb - e.Tn);
  ThicknessScan(run, [&](const Candidate& c) {
    const double q = Div(driving, WallResistance(e, c.ThicknessMm));
    if (c.IsUsersThickness()) run.Write("Qf", run.Session.CalcSchemeCode == 11221 ? RoundHalfEven(q, 1) : q);
    const double norm = run.Var("Qf");
    if (c.Step) {
      c.Step->Series1Value = q;
      c.Step->Series3Value = norm;
    }
    // The layer at which the heat flow equals the norm; the first step past
    // it keeps within the norm. A requirement of half a millimetre or less
    // stays with the bare wall (or 0.1 mm), which the run reports as under 1 mm.
    const double required = 1000 * e.Liz * (Div(driving, norm) - Div(1, e.An) - Div(1, e.InnerCoefficient));
    const bool thicker = c.ThicknessMm > required;
    if (c.Step && thicker) reachable = true;
    OfferCandidate(e, std::abs(c.ThicknessMm - required), c.ThicknessMm, thicker);
  });
  FinishScan(run, reachable ? e.BestThickness : 120, kChartLine1 | kChartLine3);
  return true;
}

bool TankSurfaceTemperature(SchemeRun& run) {
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  double required = run.Var("Tp");
  if (!OuterCoefficientStep(run)) return false;
  EngineState& e = run.Engine;
  e.InnerCoefficient = 1000;
  StartThinnestMeeting(e);
  ThicknessScan(run, [&](const Candidate& c) {
    const double ratio = Div(c.ThicknessMm * e.An, 1000 * e.Liz);
    const double surface = Div(ratio * e.Tn + e.Tb, ratio + 1);
    if (c.IsUsersThickness()) {
      required = RoundHalfEven(surface, 1);
      run.Write("Tp", required);
      return;
    }
    c.Step->Series1Value = surface;
    c.Step->Series3Value = required;
    // No layer brings the surface down to a limit at or below the ambient.
    const double requiredThickness = Div(e.Liz, e.An) * 1000 * Div(e.Tb - required, required - e.Tn);
    OfferMeeting(e, c.ThicknessMm, required > e.Tn && c.ThicknessMm >= requiredThickness);
  });
  FinishScan(run, e.BestThickness, kChartLine1 | kChartLine3);
  return true;
}

bool TankTemperatureChange(SchemeRun& run) {
  if (!OpenAtStartTemperature(run, {"Pb", "Cp"})) return false;
  run.Engine.OuterSize = run.Var("De");
  if (!OuterCoefficientStep(run)) return false;
  EngineState& e = run.Engine;
  const double surface = TankSurface(run);
  const double volume = TankVolume(run);
  e.InnerCoefficient = 1000;
  // Indoors as outdoors the end temperature must not pass the required one.
  StartThinnestMeeting(e);
  const double pb = run.Var("Pb");
  const double cp = run.Var("Cp");
  const double zv = run.Var("Zv");
  const double kdp = run.Var("Kdp");
  ThicknessScan(run, [&](const Candidate& c) {
    // Time constant of the stored substance in units of the storage time;
    // it approaches the ambient exponentially.
    const double timeConstant = Div(WallResistance(e, c.ThicknessMm) * volume * pb * cp, 3.6 * zv * surface * kdp);
    const double end = e.Tn + (e.T1 - e.Tn) * Exp(-Div(1, timeConstant));
    if (c.IsUsersThickness()) {
      e.T2 = RoundHalfEven(end, 1);
      run.Write("T2", e.T2);
    } else {
      c.Step->Series1Value = end;
      c.Step->Series3Value = e.T2;
    }
    if (c.Step) OfferMeeting(e, c.ThicknessMm, EndTemperatureMeets(e.T1, e.Tn, end, e.T2));
  });
  FinishScan(run, e.BestThickness, kChartLine1 | kChartLine3);
  return true;
}

}  // namespace ovalto
