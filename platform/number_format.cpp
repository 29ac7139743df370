#include "number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace ovalto {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  if (value == 0) return "0";

  // "d.ddde+XX": the shortest digits that read back as the value. When they
  // are no more than fifteen they are also the value rounded to fifteen
  // (the value lies far closer to them than half a fifteenth digit);
  // otherwise fifteen significant digits, correctly rounded.
  char buf[40];
  auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string_view text(buf, static_cast<std::size_t>(written.ptr - buf));
  if (text.find('e') - (text[0] == '-' ? 1 : 0) - (text.find('.') == std::string_view::npos ? 0 : 1) >
      static_cast<std::size_t>(kSignificantDigits)) {
    written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kSignificantDigits - 1);
    text = std::string_view(buf, static_cast<std::size_t>(written.ptr - buf));
  }
  const bool negative = text[0] == '-';
  const std::size_t start = negative ? 1 : 0;
  const std::size_t ePos = text.find('e');
  std::string digits(text.substr(start, 1));
  if (text[start + 1] == '.') digits.append(text.substr(start + 2, ePos - start - 2));
  int exponent = 0;
  std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
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
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const std::size_t last = text.find_last_not_of(" \t");
  const std::string_view trimmed = std::string_view(text).substr(first, last - first + 1);
  // Only digits, one sign, a decimal comma and an exponent: this keeps out
  // the decimal point as well as the words "inf" and "nan".
  if (trimmed.find_first_not_of("0123456789+-,eE") != std::string_view::npos) return std::nullopt;
  // The usual short number is read from the stack; only a very long one
  // needs the heap.
  char small[64];
  std::string large;
  char* body = small;
  if (trimmed.size() > sizeof small) {
    large.resize(trimmed.size());
    body = large.data();
  }
  for (std::size_t i = 0; i < trimmed.size(); ++i) body[i] = trimmed[i] == ',' ? '.' : trimmed[i];
  const char* const bodyEnd = body + trimmed.size();
  const char* begin = body;
  if (*begin == '+') ++begin;
  double value = 0;
  auto [end, ec] = std::from_chars(begin, bodyEnd, value);
  if (ec != std::errc() || end != bodyEnd) return std::nullopt;
  return value;
}

double RoundHalfEven(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  // nearbyint follows the default rounding mode, round-half-to-even.
  return std::nearbyint(value * scale) / scale;
}

}  // namespace ovalto
