#include "engine/scheme_frame.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tables/reference_tables.h"

namespace ovalto {

void FailCalculation() { throw CalculationFailure(); }

double Power(double base, double exponent) {
  if (exponent == 0) return 1;
  if (base == 0) {
    if (exponent > 0) return 0;
    FailCalculation();
  }
  if (base < 0 && std::trunc(exponent) != exponent) FailCalculation();
  return Finite(std::pow(base, exponent));
}

void SchemeRun::Write(std::string_view name, double value) { Session.Variables.SetVariable(name, "!", Finite(value)); }

bool OpenScheme(SchemeRun& run, double layerMeanTemperature, double lineTestTemperature,
                std::initializer_list<std::string_view> substanceNames) {
  EngineState& engine = run.Engine;
  engine.Tm = layerMeanTemperature;
  if (const InsulationTypeRecord* line = FindInsulationType(run.Session.Grid.cbTI.SelectedText())) {
    // Below 20 °C the lines' conductivities meet; the datasheets give one value.
    engine.Liz = lineTestTemperature < 20 ? 0.035 : line->LambdaSlope * engine.Tm + line->Lambda0;
    engine.OuterRadiationCoefficient = line->RadiationCoefficient;
  }

  if (std::find(substanceNames.begin(), substanceNames.end(), run.DerivedName) != substanceNames.end()) {
    // Without a substance there is nothing to derive, and a derivation
    // never goes on into the whole scheme.
    if (const SubstanceRecord* substance = FindSubstance(run.Session.Grid.cbVV.SelectedText())) {
      const double value = run.Derives("Pb")   ? substance->Density
                           : run.Derives("Cp") ? substance->HeatCapacity
                           : run.Derives("Rb") ? substance->FreezingHeat
                                               : substance->FreezingPoint;
      run.Write(run.DerivedName, value);
    }
    return false;
  }

  if (run.Derives("Liz")) {
    run.Write("Liz", engine.Liz);
    return false;
  }
  return true;
}

bool OpenAtSubstanceTemperature(SchemeRun& run, std::initializer_list<std::string_view> substanceNames) {
  const double tb = run.Var("Tb");
  if (!OpenScheme(run, (tb + 40) / 2, tb, substanceNames)) return false;
  run.Engine.Liz = run.Var("Liz");
  run.Engine.Tb = tb;
  run.Engine.Tn = run.Var("Tn");
  return true;
}

double EndTemperatureInput(SchemeRun& run) {
  const bool sought = ScanMode(run.Session) == ThicknessMode::Given && run.Session.SoughtVariable == "T2";
  return run.Var(sought ? "T1" : "T2");
}

bool OpenAtStartTemperature(SchemeRun& run, std::initializer_list<std::string_view> substanceNames) {
  const double t1 = run.Var("T1");
  const double tn = run.Var("Tn");
  if (!OpenScheme(run, (t1 + tn) / 2, t1, substanceNames)) return false;
  run.Engine.Liz = run.Var("Liz");
  run.Engine.T1 = t1;
  run.Engine.T2 = EndTemperatureInput(run);
  run.Engine.Tn = tn;
  return true;
}

bool OuterCoefficientStep(SchemeRun& run) {
  CalcOuterCoefficient(run.Session, run.Engine);
  if (run.Derives("An")) {
    run.Write("An", run.Engine.An);
    return false;
  }
  // Every derivation is answered by now; one the scheme does not make ends
  // here rather than running the scan over inputs not yet given.
  if (!run.DerivedName.empty()) return false;
  run.Engine.An = run.Var("An");
  return true;
}

double PipeWallResistance(double outerDiameterMm, double boreMm, double wallConductivity) {
  if (wallConductivity == 0) return 0;
  return Div(Ln(Div(outerDiameterMm, boreMm)), 2 * std::numbers::pi * wallConductivity);
}

ThicknessMode ScanMode(const CalcSession& session) {
  return session.Grid.cbWI.ItemIndex == 0 ? ThicknessMode::Calculated : ThicknessMode::Given;
}

namespace {
constexpr double kNothingKept = -77777;
constexpr double kNotMetYet = 77777;
}  // namespace

void StartSmallestCriterion(EngineState& engine) { engine.BestValue = kNothingKept; }

bool OfferCandidate(EngineState& engine, double criterion, double thicknessMm, bool passes) {
  Finite(criterion);
  if (engine.BestValue != kNothingKept && !(passes && criterion < engine.BestValue)) return false;
  engine.BestValue = criterion;
  engine.BestThickness = thicknessMm;
  return true;
}

bool WithinNorm(double heatFlow, double norm) {
  if (norm == 0) return heatFlow == 0;
  return norm > 0 ? heatFlow <= norm : heatFlow >= norm;
}

void StartThinnestMeeting(EngineState& engine) {
  engine.BestValue = kNotMetYet;
  engine.BestThickness = 120;
}

void OfferMeeting(EngineState& engine, double thicknessMm, bool meets) {
  if (engine.BestValue != kNotMetYet || !meets) return;
  engine.BestValue = 0;
  engine.BestThickness = thicknessMm;
}

bool EndTemperatureMeets(double start, double ambient, double end, double required) {
  return start >= ambient ? end >= required : end <= required;
}

bool ExponentialLawApplies(double start, double ambient, double exponentialEnd) {
  const double endDifference = exponentialEnd - ambient;
  if (endDifference == 0) return true;
  const double ratio = (start - ambient) / endDifference;
  return !(std::isfinite(ratio) && ratio < 2);
}

void FinishScan(SchemeRun& run, double thicknessMm, std::uint8_t chartMode) {
  if (ScanMode(run.Session) == ThicknessMode::Calculated) run.Write("Wiz", thicknessMm);
  run.Engine.Outputs.ChartButton = true;
  run.Engine.ChartMode = chartMode;
}

}  // namespace ovalto
