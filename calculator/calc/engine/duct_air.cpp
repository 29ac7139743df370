#include "engine/duct_air.h"

#include <cmath>

namespace ovalto {

double SaturationPressure(double t) { return std::exp((16.57 * t - 115.72) / (0.997 * t + 233.77)); }

double DewPoint(double e) {
  const double lnE = std::log(e);
  return (233.77 * lnE + 115.72) / (16.57 - 0.997 * lnE);
}

double HydraulicDiameter(double widthMm, double heightMm) { return 0.002 * widthMm * heightMm / (widthMm + heightMm); }

double AirInnerCoefficient(double w, double d, double t) {
  const double conductivity = 7.8e-5 * t + 0.024;
  const double viscosity = 9.15e-8 * t + 1.36e-5;
  return 0.018 * std::pow(w * d / viscosity, 0.8) * conductivity / d;
}

}  // namespace ovalto
