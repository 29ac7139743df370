// The calculator's one number format. Every number that the user sees, types
// or that a file stores goes through here, so the program behaves the same
// under any system locale: decimal comma, no group separator.
#pragma once

#include <optional>
#include <string>

namespace ovalto {

// General format: up to 15 significant digits, no trailing zeros, and never
// an exponent: very small and very large magnitudes are written out in full
// ("0,00000015", "150000000000000000000").
std::string FormatGeneral(double value);

// Reads a number written with a decimal comma ("1,1", "-20", "2,5E3"); blanks
// around it are allowed. Anything else, a decimal point included, is not a
// number and gives no value.
std::optional<double> ParseNumber(const std::string& text);

// Rounds to the given number of decimals; halves go to the even neighbour.
double RoundHalfEven(double value, int decimals);

}  // namespace ovalto
