#include "materials/fitting_area.h"

#include <gtest/gtest.h>

#include <numbers>

namespace ovalto {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kLayerMm = 97;  // a 57 mm pipe under 20 mm of insulation

double Area(int image, double pipeMm, std::string_view unit = "кв.м.", double smallMm = 0) {
  return FittingInsulationArea(image, kLayerMm, FittingGeometry{pipeMm, 20, smallMm}, unit);
}

TEST(FittingArea, FlangesAndValvesTakeTheFirstNominalSizeNotBelowThePipe) {
  // 57 mm reads the row of nominal 65: A 180 mm, flange 15 mm, valve 270 mm.
  EXPECT_NEAR(Area(kFlange, 57), kPi * (0.18 * (0.18 - 0.097) + 2 * 0.015 * (0.18 + 0.04)), 1e-12);
  EXPECT_NEAR(Area(kValve, 57), kPi * (3 * 0.18 * (0.18 - 0.097) + 1.5 * 0.27 * (0.18 + 0.04)), 1e-12);
  // A size equal to a nominal size takes that row.
  EXPECT_NEAR(Area(kFlange, 15), kPi * (0.095 * (0.095 - 0.097) + 2 * 0.012 * (0.095 + 0.04)), 1e-12);
  // The 700 and 800 flanges are 95 mm thick, as the table has them.
  EXPECT_NEAR(Area(kFlange, 800), kPi * (1.02 * (1.02 - 0.097) + 2 * 0.095 * (1.02 + 0.04)), 1e-12);
  EXPECT_NEAR(Area(kValve, 1200), kPi * (3 * 1.485 * (1.485 - 0.097) + 1.5 * 1.4 * (1.485 + 0.04)), 1e-12);
  EXPECT_EQ(Area(kFlange, 1200.5), 0);
  EXPECT_EQ(Area(kValve, 1201), 0);
}

TEST(FittingArea, CoversInPiecesCountOneExceptOnTees) {
  const double bend = ((2 * 0.097 + 0.02) * (kPi * kPi / 2) * (0.097 + 0.04));
  EXPECT_NEAR(Area(kBend, 57), bend, 1e-12);
  EXPECT_EQ(Area(kBend, 57, "шт."), 1);
  EXPECT_NEAR(Area(kTee, 57, "шт."), bend, 1e-12);
  EXPECT_NEAR(Area(kEndCap, 57), kPi * 0.137 * 0.137 / 4, 1e-12);
  EXPECT_EQ(Area(kEndCap, 57, "шт."), 1);
  EXPECT_EQ(Area(kEccentricReducer, 57, "шт.", 45), 1);
}

TEST(FittingArea, AReducerIsReckonedOnItsLargerEnd) {
  EXPECT_NEAR(Area(kConcentricReducer, 57, "кв.м.", 45), kPi * 0.137 * 0.137, 1e-12);
  EXPECT_NEAR(Area(kEccentricReducer, 57, "кв.м.", 150), kPi * 0.15 * 0.15, 1e-12);
  EXPECT_EQ(Area(1, 57), 0);  // the pipe length line
}

}  // namespace
}  // namespace ovalto
