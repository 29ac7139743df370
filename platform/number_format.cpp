#include "number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ovalto {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  if (value == 0) return "0";

  // "d.dddddddddddddde+XX": fifteen significant digits, correctly rounded.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.*e", kSignificantDigits - 1, value);
  std::string text(buf);
  const bool negative = text[0] == '-';
  const std::size_t start = negative ? 1 : 0;
  const std::size_t ePos = text.find('e');
  std::string digits = text.substr(start, 1) + text.substr(start + 2, ePos - start - 2);
  const int exponent = std::atoi(text.c_str() + ePos + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  // Built by appending: concatenations of temporaries here set off a false
  // overlap warning of g++ 12 in optimised builds.
  std::string out = negative ? "-" : "";
  if (exponent >= kSignificantDigits || std::fabs(value) < 1e-5) {
    out.append(digits, 0, 1);
    if (digits.size() > 1) out.append(",").append(digits, 1);
    out.append("E").append(std::to_string(exponent));
  } else if (exponent < 0) {
    out.append("0,").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else {
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out.append(digits).append(intDigits - digits.size(), '0');
    } else {
      out.append(digits, 0, intDigits).append(",").append(digits, intDigits);
    }
  }
  return out;
}

std::optional<double> ParseNumber(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t");
  std::size_t last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  std::string body = text.substr(first, last - first + 1);
  // Only digits, one sign, a decimal comma and an exponent: this keeps out
  // the decimal point as well as the words "inf" and "nan".
  if (body.find_first_not_of("0123456789+-,eE") != std::string::npos) return std::nullopt;
  for (char& c : body) {
    if (c == ',') c = '.';
  }
  const char* begin = body.data();
  if (*begin == '+') ++begin;
  double value = 0;
  auto [end, ec] = std::from_chars(begin, body.data() + body.size(), value);
  if (ec != std::errc() || end != body.data() + body.size()) return std::nullopt;
  return value;
}

double RoundHalfEven(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  // nearbyint follows the default rounding mode, round-half-to-even.
  return std::nearbyint(value * scale) / scale;
}

}  // namespace ovalto
