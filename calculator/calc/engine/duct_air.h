// Properties of moist air that the condensation and duct schemes share: the
// saturation pressure of water vapour and its inverse, the dew point, and the
// heat transfer from air flowing inside a duct to its wall.
#pragma once

namespace ovalto {

// Saturation pressure of water vapour over a surface at t °C (kPa, Magnus
// form with the constants of the design code).
double SaturationPressure(double t);

// Temperature at which the partial pressure e (same unit) saturates; the
// inverse of SaturationPressure. Needs e > 0.
double DewPoint(double e);

// Hydraulic diameter of a rectangular duct, in m, from its sides in mm.
double HydraulicDiameter(double widthMm, double heightMm);

// Inner heat-transfer coefficient, W/(m2*K), of air at t °C moving at w m/s
// through a duct of (hydraulic) diameter d m: turbulent flow, Nu = 0.018 Re^0.8.
double AirInnerCoefficient(double w, double d, double t);

}  // namespace ovalto
