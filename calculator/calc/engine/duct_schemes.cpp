#include <cmath>
#include <numbers>

#include "engine/duct_air.h"
#include "engine/duct_scheme_sections.h"
#include "number_format.h"

namespace ovalto {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::uint8_t kValueAndUsersLine = kChartLine1 | kChartLine3;

// Resistance per metre of a round duct of diameter diameterMm under an
// insulation layer of thicknessMm: the air film inside, the layer, the outer
// surface. The sheet wall is too thin to count.
double RoundDuctResistance(const EngineState& engine, double thicknessMm, double diameterMm) {
  const double outer = Div(1000, (2 * thicknessMm + diameterMm) * kPi * engine.An);
  const double layer = Div(Ln(Div(2 * thicknessMm, diameterMm) + 1), 2 * kPi * engine.Liz);
  const double inner = Div(1000, kPi * engine.InnerCoefficient * diameterMm);
  return outer + layer + inner;
}

// Resistance per square metre of a rectangular duct's side, a flat wall.
double FlatDuctResistance(const EngineState& engine, double thicknessMm) {
  return Div(thicknessMm, 1000 * engine.Liz) + Div(1, engine.An) + Div(1, engine.InnerCoefficient);
}

}  // namespace

bool RecordCandidate(SchemeRun& run, const Candidate& candidate, double value, const std::string& sought,
                     int decimals) {
  if (candidate.IsUsersThickness()) {
    run.Write(sought, decimals == kUnrounded ? value : RoundHalfEven(value, decimals));
    return false;
  }
  candidate.Step->Series1Value = value;
  candidate.Step->Series3Value = run.Var(sought);
  return true;
}

bool RoundDuctHeatFlow(SchemeRun& run) {
  EngineState& engine = run.Engine;
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  engine.OuterSize = run.Var("De");
  if (!OuterCoefficientStep(run)) return false;

  const double diameter = engine.OuterSize;
  engine.InnerCoefficient = Finite(AirInnerCoefficient(run.Var("Wb"), diameter / 1000, engine.Tb));
  const double kdp = run.Var("Kdp");
  StartThinnestMeeting(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double q = Div(kdp * (engine.Tb - engine.Tn), RoundDuctResistance(engine, candidate.ThicknessMm, diameter));
    if (!RecordCandidate(run, candidate, q, "QL", 3)) return;
    OfferMeeting(engine, candidate.ThicknessMm, WithinNorm(q, run.Var("QL")));
  });
  FinishScan(run, engine.BestThickness, kValueAndUsersLine);
  return true;
}

bool RectangularDuctHeatFlow(SchemeRun& run) {
  EngineState& engine = run.Engine;
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  if (!OuterCoefficientStep(run)) return false;

  engine.InnerCoefficient =
      Finite(AirInnerCoefficient(run.Var("Wb"), HydraulicDiameter(run.Var("Lv"), run.Var("Hv")), engine.Tb));
  const double flow = run.Var("Kdp") * (engine.Tb - engine.Tn);
  // The closed-form thickness for the norm picks the step; a given thickness
  // needs neither (and its norm field may well hold 0).
  const bool calculated = IsThicknessCalculated(run);
  const double required =
      calculated ? 1000 * engine.Liz * (Div(flow, run.Var("QL")) - Div(1, engine.An) - Div(1, engine.InnerCoefficient))
                 : 0;
  bool anyThicker = false;
  StartSmallestCriterion(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double d = candidate.ThicknessMm;
    const double q = Div(flow, FlatDuctResistance(engine, d));
    if (!RecordCandidate(run, candidate, q, "QL", kUnrounded)) return;
    if (!calculated) return;
    anyThicker = anyThicker || d > required;
    OfferCandidate(engine, std::abs(d - required), d, d > required);
  });
  FinishScan(run, anyThicker ? engine.BestThickness : 120, kValueAndUsersLine);
  return true;
}

bool DuctTemperatureChange(SchemeRun& run) {
  EngineState& engine = run.Engine;
  const bool round = run.Session.CalcSchemeCode == 31224;
  const double t1 = run.Var("T1");
  const double t2 = EndTemperatureInput(run);
  // The air's mean temperature is the layer's working temperature, so it is
  // also what decides the conductivity band.
  const double airMean = (t1 + t2) / 2;
  if (!OpenScheme(run, (airMean + 40) / 2, airMean, {"Pb", "Cp"})) return false;
  engine.Liz = run.Var("Liz");
  engine.T1 = t1;
  engine.T2 = t2;
  engine.Tb = airMean;
  engine.Tn = run.Var("Tn");
  const double diameter = round ? run.Var("Dv") : 0;
  if (round) engine.OuterSize = diameter;
  if (!OuterCoefficientStep(run)) return false;

  const double width = round ? 0 : run.Var("Lv");
  const double height = round ? 0 : run.Var("Hv");
  const double dm = diameter / 1000;
  const double section = round ? kPi / 4 * dm * dm : width * height / 1000000;  // m2
  const double density = run.Var("Pb");
  const double gm = run.Var("Gm");
  const bool givenAsSpeed = run.Session.Grid.cbGW.ItemIndex > 0;
  const double massFlow = givenAsSpeed ? gm * 3600 * section * density : gm;  // kg/h
  const double speed = givenAsSpeed ? gm : Div(massFlow, 3600 * section * density);
  engine.InnerCoefficient = Finite(AirInnerCoefficient(speed, round ? dm : HydraulicDiameter(width, height), airMean));

  const double kdp = run.Var("Kdp");
  const double length = run.Var("L");
  const double cp = run.Var("Cp");
  const double x = round ? Div(kdp * 3.6 * length, cp * massFlow)
                         : Div(kdp * 3.6 * length * (2 * width + 2 * height), 1000 * massFlow * cp);
  const double tn = engine.Tn;
  const bool calculated = IsThicknessCalculated(run);
  // The required end temperature chooses the law of the calculated mode. In
  // the given mode the end temperature is the result and the one on screen
  // is left from before, so the law follows the computed end, as on pipes.
  const bool exponentialForRequired = calculated && Div(t1 - tn, t2 - tn) >= 2;
  // The thinnest step whose air stays on the ambient's side of the required
  // end temperature, as in the pipe and tank schemes.
  StartThinnestMeeting(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double d = candidate.ThicknessMm;
    const double sumR = round ? RoundDuctResistance(engine, d, diameter) : FlatDuctResistance(engine, d);
    const double e = Exp(Div(x, sumR));
    const double exponentialEnd = Div(t1 - tn + e * tn, e);
    const bool exponential = calculated ? exponentialForRequired : ExponentialLawApplies(t1, tn, exponentialEnd);
    const double k = Div(sumR, x);
    const double endTemperature = exponential ? exponentialEnd : Div(2 * k * t1 + 2 * tn - t1, 2 * k + 1);
    if (!RecordCandidate(run, candidate, endTemperature, "T2", 2)) return;
    if (calculated) OfferMeeting(engine, d, EndTemperatureMeets(t1, tn, endTemperature, t2));
  });
  FinishScan(run, engine.BestThickness, kValueAndUsersLine);
  return true;
}

}  // namespace ovalto
