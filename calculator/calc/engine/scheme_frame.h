// What every scheme section of the engine is built from: the run it works
// in, the checked arithmetic that turns a failed floating-point step into a
// CalculationFailure, the opening steps every section shares, the thickness
// scan and the rules that keep a candidate.
#pragma once

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "state/calc_session.h"

namespace ovalto {

// Arithmetic that fails where the original's floating-point unit raised:
// C++ silently yields inf or nan instead. The scans do little else, so the
// common ones are inline.
[[noreturn]] void FailCalculation();  // throws CalculationFailure

// x itself, or a failure when inf/nan.
inline double Finite(double x) {
  if (!std::isfinite(x)) [[unlikely]]
    FailCalculation();
  return x;
}

inline double Div(double numerator, double denominator) {
  if (denominator == 0) [[unlikely]]
    FailCalculation();
  return Finite(numerator / denominator);
}

inline double Ln(double x) {
  if (!(x > 0)) [[unlikely]]
    FailCalculation();
  return Finite(std::log(x));
}

inline double Exp(double x) { return Finite(std::exp(Finite(x))); }

double Power(double base, double exponent);  // real power; 0 to a positive power is 0

// One call of CalculateScheme.
struct SchemeRun {
  SchemeRun(CalcSession& session, EngineState& engine, const std::string& derivedName)
      : Session(session), Engine(engine), DerivedName(derivedName) {}

  CalcSession& Session;
  EngineState& Engine;
  const std::string& DerivedName;

  double Var(std::string_view name) const { return Session.Variables.GetVariable(name); }
  // A forced write of a result; a result that is not finite fails the run.
  void Write(std::string_view name, double value);
  bool Derives(std::string_view name) const { return DerivedName == name; }
};

// Opening of a section, up to the point where it loads its working values:
// the layer's mean temperature, the insulation line's conductivity and
// radiation coefficient (0.035 below a test temperature of 20), the
// substance properties among substanceNames and the conductivity when they
// are the derived name. Returns false when the derivation asked for has
// been answered: the section then returns false at once.
bool OpenScheme(SchemeRun& run, double layerMeanTemperature, double lineTestTemperature,
                std::initializer_list<std::string_view> substanceNames);

// Openings of the pipe and tank sections, which load their working values
// right after OpenScheme: the conductivity the grid holds (a value the user
// typed wins over the derived one) and their temperatures.
// At the substance temperature "Tb": the layer between it and 40 °C;
// working Tb and Tn.
bool OpenAtSubstanceTemperature(SchemeRun& run, std::initializer_list<std::string_view> substanceNames);
// At the start temperature "T1" of a temperature change: the layer between
// it and the ambient; working T1, T2 and Tn.
bool OpenAtStartTemperature(SchemeRun& run, std::initializer_list<std::string_view> substanceNames);

// The end temperature of a temperature change as an input. With a given
// thickness it is the result being sought, whatever the grid still holds
// from before, so the start temperature stands in for it.
double EndTemperatureInput(SchemeRun& run);

// After the section loaded its working temperatures and sizes: the outer
// coefficient, its derivation, then the coefficient the grid holds (a value
// the user typed wins). Returns false when "An" was the derived name.
bool OuterCoefficientStep(SchemeRun& run);

// Thermal resistance of a pipe wall per metre from the outer diameter and
// the bore; 0 when the wall is not taken into account (conductivity 0, which
// the material "Другой" sets).
double PipeWallResistance(double outerDiameterMm, double boreMm, double wallConductivity);

enum class ThicknessMode { Calculated, Given };
ThicknessMode ScanMode(const CalcSession& session);

struct Candidate {
  int ScanIndex;  // -1: the user's thickness (given mode); 0..121 the table steps
  double ThicknessMm;
  ThicknessStep* Step;  // the table step whose chart values to write; null at -1
  bool IsUsersThickness() const { return ScanIndex < 0; }
};

// Runs body(candidate) for the user's thickness first in the given mode,
// then for all 122 standard steps in order, so the chart is always filled.
template <class Body>
void ThicknessScan(SchemeRun& run, Body&& body) {
  if (ScanMode(run.Session) == ThicknessMode::Given) {
    run.Engine.CandidateMm = run.Var("Wiz");
    body(Candidate{-1, run.Engine.CandidateMm, nullptr});
  }
  for (int i = 0; i < kThicknessStepCount; ++i) {
    ThicknessStep& step = run.Engine.StdThicknessTable[static_cast<std::size_t>(i)];
    run.Engine.CandidateMm = step.ThicknessMm;
    body(Candidate{i, step.ThicknessMm, &step});
  }
}

// The kept candidate, in Engine.BestValue and .BestThickness.
//
// Smallest criterion: nothing is kept at the start; the first candidate
// offered is always kept, a later one only when it passes its condition and
// its criterion is strictly smaller, so ties stay with the thinner step.
void StartSmallestCriterion(EngineState& engine);
bool OfferCandidate(EngineState& engine, double criterion, double thicknessMm, bool passes = true);

// Thinnest step that meets the kind's requirement; when no step up to the
// last meets it, the thickest step, 120 mm.
void StartThinnestMeeting(EngineState& engine);
void OfferMeeting(EngineState& engine, double thicknessMm, bool meets);

// A heat flow meets its norm when it flows the norm's way and is no larger:
// a loss (positive) up to the norm, a gain (negative) down to it. A norm of
// 0 asks for no flow at all, which no layer achieves.
bool WithinNorm(double heatFlow, double norm);

// Whether a substance that changes its temperature on the way from start
// towards the ambient still meets the required end temperature: one that
// cools must not end below it, one that warms not above it.
bool EndTemperatureMeets(double start, double ambient, double end, double required);

// The linear law of a temperature change holds only for small changes: from
// half the start difference on (the start difference at least twice the end
// difference of the exponential law) the exponential law is taken.
bool ExponentialLawApplies(double start, double ambient, double exponentialEnd);

// End of a scan: the kept thickness into "Wiz" in the calculated mode, the
// chart button enabled and the chart lines to show.
void FinishScan(SchemeRun& run, double thicknessMm, std::uint8_t chartMode);

}  // namespace ovalto
