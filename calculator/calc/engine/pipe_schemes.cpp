// Pipe sections of the engine. Units: diameters and thicknesses in mm,
// lengths in m, heat flow in W per metre of pipe, flow in kg/h, times in h.
#include <cmath>
#include <numbers>

#include "engine/annual_cost.h"
#include "engine/scheme_sections.h"
#include "number_format.h"

namespace ovalto {

namespace {

constexpr double kPi = std::numbers::pi;

// A pipe under a candidate layer of d mm: resistances per metre, m·K/W.
struct Pipe {
  double Dn;   // outer diameter
  double Wst;  // wall
  double Lst;  // wall conductivity; 0 when the wall is not taken into account

  double Bore() const { return Dn - 2 * Wst; }
  double Rout(const EngineState& e, double d) const { return Div(1000, (2 * d + Dn) * kPi * e.An); }
  double Rins(const EngineState& e, double d) const { return Div(Ln(Div(2 * d, Dn) + 1), 2 * kPi * e.Liz); }
  double Rin(const EngineState& e) const { return Div(1000, Bore() * kPi * e.InnerCoefficient); }
  double Rwall() const { return PipeWallResistance(Dn, Bore(), Lst); }
};

// Opening of the sections at the substance temperature, up to the pipe.
bool OpenPipe(SchemeRun& run, std::initializer_list<std::string_view> substanceNames) {
  if (!OpenAtSubstanceTemperature(run, substanceNames)) return false;
  run.Engine.OuterSize = run.Var("Dn");
  return true;
}

Pipe LoadPipe(SchemeRun& run) { return Pipe{run.Engine.OuterSize, run.Var("Wst"), run.Var("Lst")}; }

}  // namespace

bool PipeEnergyEfficiency(SchemeRun& run) {
  if (!OpenPipe(run, {}) || !OuterCoefficientStep(run)) return false;
  const Pipe pipe = LoadPipe(run);
  const EngineState& e = run.Engine;
  // Roubles a year per W of heat flow: price per Gcal over the working hours.
  const double heatPrice = run.Var("Be") * 3.6 * run.Var("Z") / 1000000 / 4.184 * (e.Tb - e.Tn) * run.Var("Kdp");
  const CapitalRates rates = CapitalRatesOf(run);
  const double rwall = pipe.Rwall();
  EnergyEfficiencyScan(run, true, [&](double d) {
    const double outer = (2 * d + pipe.Dn) / 1000;
    const double inner = pipe.Dn / 1000;
    const double ring = outer * outer - inner * inner;
    InsulationWork work{};
    work.Q1 = (ring * kPi / 4 + d / 1000) * 0.54;
    work.Q2 = (kPi * (pipe.Dn + 2 * d) / 1000 + 1) * 1.1;
    work.InsulationVolume = ring * 1.1 * kPi / 4;
    work.Q3 = 0.15 * work.Q1;
    work.Q4 = (kPi * (2 * d + pipe.Dn) / 1000 + 0.05) * 1.2;
    work.LabourRate = 3.77;
    const double sumR = pipe.Rout(e, d) + pipe.Rins(e, d) + pipe.Rin(e) + rwall;
    return CandidateCost{InsulationCapitalCost(rates, work, d), Div(heatPrice, sumR)};
  });
  return true;
}

bool PipeHeatFlow(SchemeRun& run) {
  if (!OpenPipe(run, {}) || !OuterCoefficientStep(run)) return false;
  const Pipe pipe = LoadPipe(run);
  EngineState& e = run.Engine;
  e.InnerCoefficient = 1000;
  StartThinnestMeeting(e);
  // Cold water outdoors in frost loses heat that its norm counts as a gain.
  const bool countedAsGain = run.Session.CalcKindCode == 21211 && e.Tb > 0 && e.Tn < 0;
  // The inputs and the resistances that no candidate changes, read once.
  const double kdp = run.Var("Kdp");
  const double rin = pipe.Rin(e);
  const double rwall = pipe.Rwall();
  ThicknessScan(run, [&](const Candidate& c) {
    double q = Div(kdp * (e.Tb - e.Tn), pipe.Rout(e, c.ThicknessMm) + pipe.Rins(e, c.ThicknessMm) + rin + rwall);
    if (countedAsGain) q = -q;
    if (c.IsUsersThickness()) run.Write("QL", RoundHalfEven(q, 3));
    const double norm = run.Var("QL");
    if (!c.Step) return;
    c.Step->Series1Value = q;
    c.Step->Series3Value = norm;
    OfferMeeting(e, c.ThicknessMm, WithinNorm(q, norm));
  });
  FinishScan(run, e.BestThickness, kChartLine1 | kChartLine3);
  return true;
}

bool PipeSurfaceTemperature(SchemeRun& run) {
  if (!OpenPipe(run, {})) return false;
  const double required = run.Var("Tp");
  if (!OuterCoefficientStep(run)) return false;
  const Pipe pipe = LoadPipe(run);
  EngineState& e = run.Engine;
  e.InnerCoefficient = 1000;
  // The thinnest step whose surface stays within the required temperature:
  // the nearest step from either side could leave the surface too hot.
  StartThinnestMeeting(e);
  // The surface sits at the required temperature when the layer's
  // resistance, scaled by the outer one, has this ratio; more keeps it
  // nearer the ambient.
  // A limit at or beyond the ambient, seen from the substance, no layer reaches.
  const bool reachable = e.Tb < e.Tn || required > e.Tn;
  const double requiredRatio = reachable ? Div(e.Tb - required, required - e.Tn) : 0;
  const double rwall = pipe.Rwall();
  ThicknessScan(run, [&](const Candidate& c) {
    const double perimeter = kPi * (2 * c.ThicknessMm + pipe.Dn) / 1000;
    const double ratio = perimeter * e.An * (pipe.Rins(e, c.ThicknessMm) + rwall);
    const double surface = Div(ratio * e.Tn + e.Tb, 1 + ratio);
    if (c.IsUsersThickness()) run.Write("Tp", RoundHalfEven(surface, 1));
    if (c.Step) {
      c.Step->Series1Value = surface;
      c.Step->Series2Value = run.Var("Tp");
      OfferMeeting(e, c.ThicknessMm, reachable && ratio >= requiredRatio);
    }
  });
  FinishScan(run, e.BestThickness, kChartLine1 | kChartLine2);
  return true;
}

bool PipeTemperatureChange(SchemeRun& run) {
  if (!OpenAtStartTemperature(run, {"Pb", "Cp"})) return false;
  run.Engine.OuterSize = run.Var("Dn");
  if (!OuterCoefficientStep(run)) return false;
  const Pipe pipe = LoadPipe(run);
  EngineState& e = run.Engine;
  e.InnerCoefficient = 1000;
  StartThinnestMeeting(e);

  double flow = run.Var("Gm");  // kg/h
  if (run.Session.Grid.cbGW.ItemIndex > 0) {
    // Given as a speed in m/s: the substance fills the bore.
    const double bore = pipe.Bore() / 1000;
    flow = bore * bore * 3600 * run.Var("Gm") * kPi / 4 * run.Var("Pb");
  }

  // The inputs and the resistances that no candidate changes, read once.
  const double rin = pipe.Rin(e);
  const double rwall = PipeWallResistance(pipe.Dn, std::abs(pipe.Bore()), pipe.Lst);
  const double kdp = run.Var("Kdp");
  const double length = run.Var("L");
  const double cp = run.Var("Cp");
  double required = run.Var("T2");
  ThicknessScan(run, [&](const Candidate& c) {
    const double d = c.ThicknessMm;
    const double sumR = pipe.Rout(e, d) + pipe.Rins(e, d) + rin + rwall;
    const double x = Div(kdp * 3.6 * length, cp * flow * sumR);
    // (e^x Tn + T1 - Tn) / e^x, written over e^-x: a long bare pipe with a
    // small flow has x past the range of e^x, and its end is the ambient.
    const double exponential = e.Tn + (e.T1 - e.Tn) * Exp(-x);
    const double linear = Div(2 * e.T1 - x * e.T1 + 2 * x * e.Tn, x + 2);
    const double end = Finite(ExponentialLawApplies(e.T1, e.Tn, exponential) ? exponential : linear);
    if (c.IsUsersThickness()) {
      e.T2 = end;
      run.Write("T2", RoundHalfEven(end, 1));
      required = run.Var("T2");  // the table steps compare with the end just found
      return;
    }
    OfferMeeting(e, d, EndTemperatureMeets(e.T1, e.Tn, end, required));
    c.Step->Series1Value = end;
    c.Step->Series2Value = required;
  });
  FinishScan(run, e.BestThickness, kChartLine1 | kChartLine2);
  return true;
}

bool PipeFreezeProtection(SchemeRun& run) {
  if (!OpenPipe(run, {"Pb", "Cp", "Rb", "Tz"}) || !OuterCoefficientStep(run)) return false;
  const Pipe pipe = LoadPipe(run);
  EngineState& e = run.Engine;
  const double bore = pipe.Bore() / 1000;
  const double area = kPi * bore * bore / 4;  // m2 of standing substance
  e.InnerCoefficient = 1000;
  // The thinnest step that holds out the required time: the nearest one
  // from either side could let the pipe freeze before it.
  StartThinnestMeeting(e);

  // The inputs and the resistances that no candidate changes, read once.
  const double rin = pipe.Rin(e);
  const double rwall = pipe.Rwall();
  const double tz = run.Var("Tz");
  const double pb = run.Var("Pb");
  const double kdp = run.Var("Kdp");
  const double cp = run.Var("Cp");
  const double rb = run.Var("Rb");
  const double kz = run.Var("Kz");
  // Heat given off while cooling to the freezing point, then while the
  // allowed share freezes.
  const double cooling = Div(2 * (e.Tb - tz) * area * pb * cp, tz + e.Tb - 2 * e.Tn);
  const double freezing = Div(pb * area * rb * kz / 100, tz - e.Tn);
  ThicknessScan(run, [&](const Candidate& c) {
    const double d = c.ThicknessMm;
    const double sumR = rin + pipe.Rins(e, d) + pipe.Rout(e, d) + rwall;
    const double hours = Div((cooling + freezing) * sumR, kdp * 3.6);
    if (c.IsUsersThickness()) {
      run.Write("Zt", RoundHalfEven(hours, 2));
      return;
    }
    const double requiredHours = run.Var("Zt");
    c.Step->Series1Value = hours;
    c.Step->Series3Value = requiredHours;
    OfferMeeting(e, d, hours >= requiredHours);
  });
  FinishScan(run, e.BestThickness, kChartLine1 | kChartLine3);
  return true;
}

}  // namespace ovalto
