// Rounding of quantities that were meant as decimals. Doubles hold 0,2 or
// 0,085 only approximately, so 3 × 0,2 × 5 comes out a hair above 3 and
// 0,0425 × 2 a hair off 0,085; these functions first settle the value on
// nine decimals, which is far below any quantity's meaning and far above
// the arithmetic's error.
#pragma once

namespace ovalto {

// The least whole number not below the decimal value (3 × 0,2 × 5 → 3).
double CeilDecimal(double value);

// To hundredths, an exact half to the even neighbour (0,085 → 0,08).
double RoundHundredths(double value);

}  // namespace ovalto
