#include <cmath>
#include <numbers>

#include "duct_air.h"
#include "duct_scheme_sections.h"
#include "number_format.h"

namespace ovalto {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::uint8_t kValueAndUsersLine = kChartLine1 | kChartLine3;

// Humid air at temperature t with the relative humidity of the variable
// humidityName: its saturation pressure and dew point.
struct HumidAir {
  double Saturation;  // kPa at t
  double Vapour;      // kPa of the vapour the air holds
};

HumidAir AirWithHumidity(SchemeRun& run, double t, const std::string& humidityName) {
  const double saturation = Finite(SaturationPressure(t));
  return {saturation, run.Var(humidityName) * saturation / 100};
}

// The dew point of the air and its derivation. False when the run ends here.
bool DewPointStep(SchemeRun& run, const HumidAir& air, const std::string& dewPointName, double& dewPoint) {
  dewPoint = Finite(DewPoint(air.Vapour));
  if (!run.Derives(dewPointName)) return true;
  run.Write(dewPointName, RoundHalfEven(dewPoint, 1));
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

bool Calculated(const SchemeRun& run) { return ScanMode(run.Session) == ThicknessMode::Calculated; }

// The air's humidity is an input when the thickness is calculated, and its
// dew point then picks the thickness. For a given thickness the humidity is
// what the run finds: whatever the grid holds for it (0 after the grid is
// built) must neither stop the run nor matter. Deriving the dew point
// itself always needs it.
bool HumidityIsInput(const SchemeRun& run, const std::string& dewPointName) {
  return Calculated(run) || run.Derives(dewPointName);
}

// Inner air of a duct: the stop without humidity, the inner coefficient and
// the dew point with their derivations, the outer coefficient. False when
// the run ends before the scan.
bool OpenInnerCondensation(SchemeRun& run, double hydraulicDiameter, HumidAir& air, double& dewPoint) {
  EngineState& engine = run.Engine;
  air = AirWithHumidity(run, engine.Tb, "Vlv");
  const bool humidityIsInput = HumidityIsInput(run, "Trv");
  if (humidityIsInput && air.Vapour == 0) return false;  // dry air does not condense
  engine.InnerCoefficient = Finite(AirInnerCoefficient(run.Var("Wb"), hydraulicDiameter, engine.Tb));
  if (run.Derives("Ab")) {
    run.Write("Ab", RoundHalfEven(engine.InnerCoefficient, 1));
    return false;
  }
  if (humidityIsInput && !DewPointStep(run, air, "Trv", dewPoint)) return false;
  return OuterCoefficientStep(run);
}

// Surroundings of an outer surface: the stop without humidity, the dew
// point with its derivation, the outer coefficient.
bool OpenOuterCondensation(SchemeRun& run, HumidAir& air, double& dewPoint) {
  air = AirWithHumidity(run, run.Engine.Tn, "Vla");
  const bool humidityIsInput = HumidityIsInput(run, "Tr");
  if (humidityIsInput && air.Vapour == 0) return false;
  if (humidityIsInput && !DewPointStep(run, air, "Tr", dewPoint)) return false;
  return OuterCoefficientStep(run);
}

}  // namespace

bool PipeOuterCondensation(SchemeRun& run) {
  EngineState& engine = run.Engine;
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  const double diameter = engine.OuterSize = run.Var("Dn");
  HumidAir air;
  double dewPoint = 0;
  if (!OpenOuterCondensation(run, air, dewPoint)) return false;

  const double wall = PipeWallResistance(diameter, diameter - 2 * run.Var("Wst"), run.Var("Lst"));
  const bool calculated = Calculated(run);
  const double target = calculated ? Div(dewPoint - engine.Tb, engine.Tn - dewPoint) : 0;
  StartSmallestCriterion(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double outside = 2 * candidate.ThicknessMm + diameter;
    const double layer = Div(Ln(Div(outside, diameter)), 2 * kPi * engine.Liz);
    const double b = (layer + wall) * outside / 1000 * kPi * engine.An;
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tn, engine.Tb), air);
    if (candidate.IsUsersThickness()) {
      run.Write("Vla", RoundHalfEven(humidity, 1));
      return;
    }
    ChartStep(run, candidate, humidity, "Vla");
    if (calculated) OfferCandidate(engine, std::abs(b - target), candidate.ThicknessMm);
  });
  FinishScan(run, RoundToStdThickness(engine.BestThickness), kValueAndUsersLine);
  return true;
}

bool FlatWallOuterCondensation(SchemeRun& run) {
  EngineState& engine = run.Engine;
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  HumidAir air;
  double dewPoint = 0;
  if (!OpenOuterCondensation(run, air, dewPoint)) return false;

  // The wall's thickness has a closed form; the scan only fills the chart.
  // Beyond the thickest step the requirement is not met: 120 mm and the
  // run's warning.
  double required = 0;
  if (Calculated(run)) {
    const double exact = Div(1000 * engine.Liz, engine.An) * Div(dewPoint - engine.Tb, engine.Tn - dewPoint);
    required = std::min(RoundToStdThickness(exact), 120.0);
  }
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double b = Div(candidate.ThicknessMm * engine.An, 1000 * engine.Liz);
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tn, engine.Tb), air);
    if (candidate.IsUsersThickness()) {
      run.Write("Vla", RoundHalfEven(humidity, 1));
      return;
    }
    ChartStep(run, candidate, humidity, "Vla");
  });
  FinishScan(run, required, kValueAndUsersLine);
  return true;
}

bool RoundDuctInnerCondensation(SchemeRun& run) {
  EngineState& engine = run.Engine;
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  const double diameter = engine.OuterSize = run.Var("Dv");
  HumidAir air;
  double dewPoint = 0;
  if (!OpenInnerCondensation(run, diameter / 1000, air, dewPoint)) return false;

  const bool calculated = Calculated(run);
  const double target = calculated ? Div(dewPoint - engine.Tn, engine.Tb - dewPoint) : 0;
  const double innerFilm = kPi * engine.InnerCoefficient * diameter / 1000;  // 1 / resistance per metre
  StartSmallestCriterion(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double outside = 2 * candidate.ThicknessMm + diameter;
    const double layer = Div(Ln(Div(outside, diameter)), 2 * kPi * engine.Liz);
    const double outerSurface = Div(1000, kPi * engine.An * outside);
    const double b = (layer + outerSurface) * innerFilm;
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tb, engine.Tn), air);
    if (candidate.IsUsersThickness()) {
      run.Write("Vlv", RoundHalfEven(humidity, 1));
      return;
    }
    ChartStep(run, candidate, humidity, "Vlv");
    if (calculated) OfferCandidate(engine, std::abs(b - target), candidate.ThicknessMm);
  });
  FinishScan(run, engine.BestThickness, kValueAndUsersLine);
  return true;
}

bool RectangularDuctInnerCondensation(SchemeRun& run) {
  EngineState& engine = run.Engine;
  if (!OpenAtSubstanceTemperature(run, {})) return false;
  HumidAir air;
  double dewPoint = 0;
  if (!OpenInnerCondensation(run, HydraulicDiameter(run.Var("Lv"), run.Var("Hv")), air, dewPoint)) return false;

  StartThinnestMeeting(engine);
  ThicknessScan(run, [&](const Candidate& candidate) {
    const double layer = Div(candidate.ThicknessMm, 1000 * engine.Liz);
    const double b = (Div(1, engine.An) + layer) * engine.InnerCoefficient;
    const double humidity = AllowedHumidity(SurfaceTemperature(b, engine.Tb, engine.Tn), air);
    if (candidate.IsUsersThickness()) {
      run.Write("Vlv", RoundHalfEven(humidity, 1));
      return;
    }
    ChartStep(run, candidate, humidity, "Vlv");
    OfferMeeting(engine, candidate.ThicknessMm, run.Var("Vlv") <= humidity);
  });
  FinishScan(run, engine.BestThickness, kValueAndUsersLine);
  return true;
}

}  // namespace ovalto
