#include <cmath>
#include <numbers>

#include "engine/duct_air.h"
#include "engine/duct_scheme_sections.h"
#include "number_format.h"

namespace ovalto {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::uint8_t kValueAndUsersLine = kChartLine1 | kChartLine3;

// The humid air whose vapour must not condense on the surface.
struct HumidAir {
  double Saturation = 0;  // kPa, at the air's temperature
  double Vapour = 0;      // kPa of the vapour the air holds
  double DewPoint = 0;    // known only where the humidity is an input
  // Saturated air condenses on any surface not warmer than itself: no layer
  // keeps a surface dry, and its dew point is the air's own temperature.
  bool Saturated = false;
};

HumidAir AirWithHumidity(SchemeRun& run, double t, const std::string& humidityName) {
  const double saturation = Finite(SaturationPressure(t));
  const double humidity = run.Var(humidityName);
  return {saturation, humidity * saturation / 100, 0, humidity >= 100};
}

// The dew point of the air and its derivation. False when the run ends here.
bool DewPointStep(SchemeRun& run, HumidAir& air, const std::string& dewPointName) {
  air.DewPoint = Finite(DewPoint(air.Vapour));
  if (!run.Derives(dewPointName)) return true;
  run.Write(dewPointName, RoundHalfEven(air.DewPoint, 1));
  return false;
}

// The temperature of a surface between the air at its own side (near) and
// the air beyond the wall (far), where b is the resistance of everything
// beyond the surface over the resistance of the film at the surface.
double SurfaceTemperature(double b, double near, double far) { return Div(b * near + far, 1 + b); }

// The highest relative humidity the air at the surface can hold before it
// condenses on a surface at surfaceTemperature.
double AllowedHumidity(double surfaceTemperature, const HumidAir& air) {
  return Div(100 * Finite(SaturationPressure(surfaceTemperature)), air.Saturation);
}

// The air's humidity is an input when the thickness is calculated, and its
// dew point then picks the thickness. For a given thickness the humidity is
// what the run finds: whatever the grid holds for it (0 after the grid is
// built) must neither stop the run nor matter. Deriving the dew point
// itself always needs it.
bool HumidityIsInput(const SchemeRun& run, const std::string& dewPointName) {
  return IsThicknessCalculated(run) || run.Derives(dewPointName);
}

// Opening of a duct's section for the air inside it: the stop without
// humidity, the inner coefficient and the dew point with their derivations,
// the outer coefficient. False when the run ends before the scan.
bool OpenInnerCondensation(SchemeRun& run, double hydraulicDiameter, HumidAir& air) {
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  EngineState& engine = run.Engine;
  air = AirWithHumidity(run, engine.Tb, "Vlv");
  const bool humidityIsInput = HumidityIsInput(run, "Trv");
  if (humidityIsInput && air.Vapour == 0) return false;  // dry air does not condense
  engine.InnerCoefficient = Finite(AirInnerCoefficient(run.Var("Wb"), hydraulicDiameter, engine.Tb));
  if (run.Derives("Ab")) {
    run.Write("Ab", RoundHalfEven(engine.InnerCoefficient, 1));
    return false;
  }
  if (humidityIsInput && !DewPointStep(run, air, "Trv")) return false;
  return OuterCoefficientStep(run);
}

// Opening of a section for the air around an outer surface: the stop
// without humidity, the dew point with its derivation, the outer
// coefficient.
bool OpenOuterCondensation(SchemeRun& run, HumidAir& air) {
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  air = AirWithHumidity(run, run.Engine.Tn, "Vla");
  const bool humidityIsInput = HumidityIsInput(run, "Tr");
  if (humidityIsInput && air.Vapour == 0) return false;
  if (humidityIsInput && !DewPointStep(run, air, "Tr")) return false;
  return OuterCoefficientStep(run);
}

}  // namespace

bool PipeOuterCondensation(SchemeRun& run) {
  HumidAir air;
  if (!OpenOuterCondensation(run, air)) return false;
  EngineState& engine = run.Engine;
  const double diameter = engine.OuterSize = run.Var("Dn");

  const double wall = PipeWallResistance(diameter, diameter - 2 * run.Var("Wst"), run.Var("Lst"));
  const bool calculated = IsThicknessCalculated(run);
  const bool reachable = calculated && !air.Saturated;
  const double target = reachable ? Div(air.DewPoint - engine.Tb, engine.Tn - air.DewPoint) : 0;
  // The thinnest step that keeps the surface at or above the dew point: the
  // nearest step from either side could leave it wet.
  StartThinnestMeeting(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double outside = 2 * candidate.ThicknessMm + diameter;
    const double layer = Div(Ln(Div(outside, diameter)), 2 * kPi * engine.Liz);
    const double b = (layer + wall) * outside / 1000 * kPi * engine.An;
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tn, engine.Tb), air);
    if (!RecordCandidate(run, candidate, humidity, "Vla", 1)) return;
    if (calculated) OfferMeeting(engine, candidate.ThicknessMm, reachable && b >= target);
  });
  FinishScan(run, RoundToStdThickness(engine.BestThickness), kValueAndUsersLine);
  return true;
}

bool FlatWallOuterCondensation(SchemeRun& run) {
  HumidAir air;
  if (!OpenOuterCondensation(run, air)) return false;
  EngineState& engine = run.Engine;

  // The wall's thickness has a closed form; the scan only fills the chart.
  // Beyond the thickest step the requirement is not met: 120 mm and the
  // run's warning.
  double required = 0;
  if (IsThicknessCalculated(run) && air.Saturated) {
    required = 120;
  } else if (IsThicknessCalculated(run)) {
    const double exact = Div(1000 * engine.Liz, engine.An) * Div(air.DewPoint - engine.Tb, engine.Tn - air.DewPoint);
    required = std::min(RoundToStdThickness(exact), 120.0);
  }
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double b = Div(candidate.ThicknessMm * engine.An, 1000 * engine.Liz);
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tn, engine.Tb), air);
    if (!RecordCandidate(run, candidate, humidity, "Vla", 1)) return;
  });
  FinishScan(run, required, kValueAndUsersLine);
  return true;
}

bool RoundDuctInnerCondensation(SchemeRun& run) {
  const double diameter = run.Var("Dv");
  HumidAir air;
  if (!OpenInnerCondensation(run, diameter / 1000, air)) return false;
  EngineState& engine = run.Engine;
  engine.OuterSize = diameter;

  const bool calculated = IsThicknessCalculated(run);
  const bool reachable = calculated && !air.Saturated;
  const double target = reachable ? Div(air.DewPoint - engine.Tn, engine.Tb - air.DewPoint) : 0;
  const double innerFilm = kPi * engine.InnerCoefficient * diameter / 1000;  // 1 / resistance per metre
  // As outside: the thinnest step that keeps the inner surface dry.
  StartThinnestMeeting(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double outside = 2 * candidate.ThicknessMm + diameter;
    const double layer = Div(Ln(Div(outside, diameter)), 2 * kPi * engine.Liz);
    const double outerSurface = Div(1000, kPi * engine.An * outside);
    const double b = (layer + outerSurface) * innerFilm;
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tb, engine.Tn), air);
    if (!RecordCandidate(run, candidate, humidity, "Vlv", 1)) return;
    if (calculated) OfferMeeting(engine, candidate.ThicknessMm, reachable && b >= target);
  });
  FinishScan(run, engine.BestThickness, kValueAndUsersLine);
  return true;
}

bool RectangularDuctInnerCondensation(SchemeRun& run) {
  HumidAir air;
  if (!OpenInnerCondensation(run, HydraulicDiameter(run.Var("Lv"), run.Var("Hv")), air)) return false;
  EngineState& engine = run.Engine;

  StartThinnestMeeting(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double layer = Div(candidate.ThicknessMm, 1000 * engine.Liz);
    const double b = (Div(1, engine.An) + layer) * engine.InnerCoefficient;
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tb, engine.Tn), air);
    if (!RecordCandidate(run, candidate, humidity, "Vlv", 1)) return;
    OfferMeeting(engine, candidate.ThicknessMm, !air.Saturated && run.Var("Vlv") <= humidity);
  });
  FinishScan(run, engine.BestThickness, kValueAndUsersLine);
  return true;
}

}  // namespace ovalto
