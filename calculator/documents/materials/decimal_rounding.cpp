#include "materials/decimal_rounding.h"

#include <cmath>
#include <cstdint>

#include "number_format.h"

namespace ovalto {

namespace {

constexpr double kSettleScale = 1e9;
// Beyond this the value has no nine decimals left to settle and is used as
// it is.
constexpr double kLargestSettled = 9e9;

bool Settles(double value) { return std::isfinite(value) && std::fabs(value) < kLargestSettled; }

std::int64_t Nanos(double value) { return std::llround(value * kSettleScale); }

}  // namespace

double CeilDecimal(double value) {
  if (!Settles(value)) return std::ceil(value);
  const std::int64_t nanos = Nanos(value);
  const std::int64_t unit = static_cast<std::int64_t>(kSettleScale);
  std::int64_t whole = nanos / unit;
  if (nanos % unit > 0) ++whole;
  return static_cast<double>(whole);
}

double RoundHundredths(double value) {
  if (!Settles(value)) return RoundHalfEven(value, 2);
  const std::int64_t nanos = Nanos(value);
  constexpr std::int64_t kPerHundredth = 10'000'000;
  const bool negative = nanos < 0;
  const std::int64_t magnitude = negative ? -nanos : nanos;
  std::int64_t hundredths = magnitude / kPerHundredth;
  const std::int64_t rest = magnitude % kPerHundredth;
  if (rest > kPerHundredth / 2 || (rest == kPerHundredth / 2 && hundredths % 2 == 1)) ++hundredths;
  const double result = static_cast<double>(hundredths) / 100.0;
  return negative ? -result : result;
}

}  // namespace ovalto
