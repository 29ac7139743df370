#include "materials/fitting_area.h"

#include <algorithm>
#include <array>
#include <numbers>

namespace ovalto {

namespace {

constexpr double kPi = std::numbers::pi;

// Flanges and valves by nominal size: the flange's outer diameter A (the
// same for both), the flange's thickness and the valve's length B.
struct FlangeValveSize {
  double NominalMm;
  double OuterMm;
  double FlangeThicknessMm;
  double ValveLengthMm;
};

constexpr std::array<FlangeValveSize, 24> kFlangeValveTable = {{
    {15, 95, 12, 108},     {20, 105, 12, 114},    {25, 115, 12, 120},     {32, 135, 13, 140},     {40, 145, 13, 240},
    {50, 160, 13, 250},    {65, 180, 15, 270},    {80, 195, 17, 280},     {100, 215, 17, 300},    {125, 245, 19, 325},
    {150, 280, 19, 350},   {200, 335, 21, 400},   {250, 405, 23, 450},    {300, 460, 24, 500},    {350, 520, 28, 550},
    {400, 580, 32, 600},   {450, 640, 34, 650},   {500, 710, 38, 700},    {600, 840, 41, 800},    {700, 910, 95, 900},
    {800, 1020, 95, 1000}, {900, 1120, 47, 1100}, {1000, 1255, 49, 1200}, {1200, 1485, 51, 1400},
}};

// The table is searched by the object's size, an outer diameter, against
// the nominal sizes, as the album's users have always read it.
const FlangeValveSize* FindFlangeValve(double sizeMm) {
  for (const FlangeValveSize& row : kFlangeValveTable) {
    if (row.NominalMm >= sizeMm) return &row;
  }
  return nullptr;
}

double BendOrTeeArea(double x, double t) { return ((2 * x + t) / 1000) * (kPi * kPi / 2) * ((x + 2 * t) / 1000); }

}  // namespace

std::string_view DetailLabel(int image) {
  switch (image) {
    case kBend:
      return " Отвод";
    case kFlange:
      return " Фланец";
    case kValve:
      return " Арматура";
    case kTee:
      return " Тройник";
    case kConcentricReducer:
      return " Переход концентрический";
    case kEccentricReducer:
      return " Переход эксцентрический";
    case kEndCap:
      return " Торец";
    default:
      return {};
  }
}

double FittingInsulationArea(int image, double x, const FittingGeometry& fitting, std::string_view unit) {
  const double t = fitting.ThicknessMm;
  const bool pieces = unit == "шт.";
  switch (image) {
    case kBend:
      return pieces ? 1 : BendOrTeeArea(x, t);
    case kTee:
      return BendOrTeeArea(x, t);
    case kFlange:
    case kValve: {
      const FlangeValveSize* row = FindFlangeValve(fitting.PipeSizeMm);
      if (!row) return 0;
      const double a = row->OuterMm / 1000;
      if (image == kFlange) {
        const double b = row->FlangeThicknessMm / 1000;
        return kPi * (a * (a - x / 1000) + 2 * b * (a + 2 * t / 1000));
      }
      const double b = row->ValveLengthMm / 1000;
      return kPi * (3 * a * (a - x / 1000) + 1.5 * b * (a + 2 * t / 1000));
    }
    case kConcentricReducer:
    case kEccentricReducer: {
      if (pieces) return 1;
      const double m = std::max(x + 2 * t, fitting.SmallMm) / 1000;
      return kPi * m * m;
    }
    case kEndCap: {
      if (pieces) return 1;
      const double d = (2 * t + x) / 1000;
      return kPi * d * d / 4;
    }
    default:
      return 0;
  }
}

}  // namespace ovalto
