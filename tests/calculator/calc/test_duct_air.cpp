#include "duct_air.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(DuctAir, SaturationPressureAndDewPointAreInverse) {
  // exp(-115.72 / 233.77) = exp(-0.495016)
  EXPECT_NEAR(SaturationPressure(0), 0.60956, 1e-5);
  // exp((331.4 - 115.72) / (19.94 + 233.77)) = exp(0.850104)
  EXPECT_NEAR(SaturationPressure(20), 2.33989, 1e-5);
  // Air of 20 °C at 60 %: e = 1.403935, ln e = 0.339277,
  // (233.77 * 0.339277 + 115.72) / (16.57 - 0.997 * 0.339277) = 12.0155
  EXPECT_NEAR(DewPoint(0.6 * SaturationPressure(20)), 12.0155, 1e-4);
  for (double t : {-30.0, -5.3, 0.0, 17.5, 60.0}) EXPECT_NEAR(DewPoint(SaturationPressure(t)), t, 1e-9);
}

TEST(DuctAir, InnerCoefficientOfTurbulentAirFlow) {
  // 20 °C: lambda = 0.02556, nu = 1.543e-5; w = 5 m/s, d = 0.2 m:
  // Re = 64808.8, Re^0.8 = 7068.17, 0.018 * 7068.17 * 0.02556 / 0.2 = 16.2596
  EXPECT_NEAR(AirInnerCoefficient(5, 0.2, 20), 16.2596, 1e-4);
  // 400 x 200 mm: 0.002 * 80000 / 600
  EXPECT_NEAR(HydraulicDiameter(400, 200), 0.266667, 1e-6);
}

}  // namespace
}  // namespace ovalto
